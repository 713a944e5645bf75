// Case folding without regard to language.

#include <gtest/gtest.h>

#include <vector>

#include "platform/case_folding.h"

TEST(CaseFolding, LettersOfEveryScriptFoldOneToOne) {
    // Œ Ё Σ (also the final ς) fold; no rule of one language: İ stays İ.
    EXPECT_EQ(qf::FoldCase("\xC5\x92 \xD0\x81 \xCE\xA3\xCF\x82 \xC4\xB0"), "\xC5\x93 \xD1\x91 \xCF\x83\xCF\x83 \xC4\xB0");
    EXPECT_EQ(qf::FoldCase("A\xFF" "B\xC3"), "a\xFF" "b\xC3");     // bytes that begin no character stay
    // Text that is not UTF-8 is compared as Windows-1252.
    EXPECT_EQ(qf::ComparisonText("CAF\xC9", false), "caf\xC3\xA9");
    EXPECT_EQ(qf::ComparisonText("CAF\xC9", true), "CAF\xC3\x89");
    EXPECT_EQ(qf::ComparisonText("\xC3\x89T\xC9", false), "\xC3\xA9t\xC3\xA9");  // as many characters as the views count
}

// A search for ASCII terms leaves other letters unfolded but for these two:
// no other character may fold to ASCII.
TEST(CaseFolding, OnlyTheLongSAndTheKelvinSignFoldToAscii) {
    std::vector<char32_t> toAscii;
    for (char32_t c = 0x80; c <= 0x10FFFF; ++c)
        if ((c < 0xD800 || c > 0xDFFF) && qf::FoldCodePoint(c) < 0x80) toAscii.push_back(c);
    EXPECT_EQ(toAscii, (std::vector<char32_t>{qf::kLongS, qf::kKelvinSign}));
}
