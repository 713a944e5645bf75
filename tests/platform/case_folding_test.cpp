// Case folding without regard to language.

#include <gtest/gtest.h>

#include <vector>

#include "platform/case_folding.h"

TEST(CaseFolding, LettersOfEveryScriptFoldOneToOne) {
    EXPECT_EQ(qf::FoldCase("\xC3\x84RGER Caf\xC3\x89 \xCE\xA9\xCE\x9C\xCE\x88\xCE\x93\xCE\x91 \xD0\x9F\xD0\xA0\xD0\x98"),
              "\xC3\xA4rger caf\xC3\xA9 \xCF\x89\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1 \xD0\xBF\xD1\x80\xD0\xB8");
    EXPECT_EQ(qf::FoldCase("\xCF\x82"), "\xCF\x83");              // final sigma
    EXPECT_EQ(qf::FoldCase("STRA\xC3\x9F" "E"), "stra\xC3\x9F" "e");  // ß stays one letter
    EXPECT_EQ(qf::FoldCase("STRA\xE1\xBA\x9E" "E"), "stra\xC3\x9F" "e");  // the capital sharp s is one
    EXPECT_EQ(qf::FoldCase("\xC4\xB0"), "\xC4\xB0");              // no Turkish rule: İ stays
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
