// The wide folding, line-feed counting, ASCII runs and needle search against
// a byte-by-byte reading, at every length and alignment around the step
// sizes, with the processor's widest loops and with the narrower ones.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "platform/utf8_text.h"
#include "platform/wide_bytes.h"
#include "textsearch/byte_runs.h"
#include "textsearch/term_finder.h"

namespace qftest {
namespace {

std::string RandomBytes(std::mt19937& rng, size_t n) {
    // Letters, line feeds and bytes above 127 often, so every branch is met.
    const std::string common = "AZaz@[`{\n\n\x80\xC1\xDA\xFF";
    std::string text(n, '\0');
    for (char& c : text) c = rng() % 2 ? common[rng() % common.size()] : char(rng() % 256);
    return text;
}

// Runs each test with the widest loops the processor has, then without them.
class ByteRuns : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override { qf::wide::SetEnabled(GetParam()); }
    void TearDown() override { qf::wide::SetEnabled(true); }
};

INSTANTIATE_TEST_SUITE_P(Widths, ByteRuns, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool>& param) { return param.param ? "Widest" : "Narrow"; });

size_t PlainFind(const std::string& text, const std::string& lowerNeedle, size_t from, bool anyCase) {
    for (size_t s = from; s + lowerNeedle.size() <= text.size(); ++s) {
        bool same = true;
        for (size_t i = 0; i < lowerNeedle.size() && same; ++i) {
            char c = text[s + i];
            if (anyCase && c >= 'A' && c <= 'Z') c = char(c + 32);
            same = c == lowerNeedle[i];
        }
        if (same) return s;
    }
    return std::string::npos;
}

TEST_P(ByteRuns, FoldingAndCountingMatchAPlainReadingAtEveryLengthAndOffset) {
    std::mt19937 rng(7);
    for (size_t offset = 0; offset < 16; ++offset) {
        for (size_t n = 0; n < 300; ++n) {
            const std::string text = RandomBytes(rng, offset + n);
            const char* in = text.data() + offset;
            std::string expected(in, n);
            size_t lineFeeds = 0;
            for (char& c : expected) {
                if (c >= 'A' && c <= 'Z') c = char(c + 32);
                lineFeeds += c == '\n';
            }
            std::string folded(n, '\0');
            qf::LowerBytes(in, folded.data(), n);
            ASSERT_EQ(folded, expected) << "offset " << offset << " length " << n;
            ASSERT_EQ(qf::CountLineFeeds(in, n), lineFeeds) << "offset " << offset << " length " << n;
        }
    }
}

TEST_P(ByteRuns, AsciiRunsEndAtTheirFirstHighByte) {
    std::mt19937 rng(11);
    for (size_t n = 0; n < 600; ++n) {
        std::string text(n + 3, 'M');
        const size_t high = rng() % (n + 1);  // n: none
        if (high < n) text[high] = char(0x80 | rng() % 128);
        std::string folded(n, '\0');
        ASSERT_EQ(qf::FirstNonAscii(text.data(), n), high < n ? high : n) << n;
        ASSERT_EQ(qf::LowerAsciiBytes(text.data(), folded.data(), n), high < n ? high : n) << n;
        ASSERT_EQ(folded.substr(0, high < n ? high : n), std::string(high < n ? high : n, 'm')) << n;
    }
}

TEST_P(ByteRuns, NeedlesAreFoundWhereAPlainSearchFindsThem) {
    // A small alphabet, so that the bytes looked for stand at their distance
    // often without the whole needle.
    std::mt19937 rng(5);
    const std::string alphabet = "abAB_\n\xC3";
    for (int round = 0; round < 3000; ++round) {
        std::string text(rng() % 400, '\0');
        for (char& c : text) c = alphabet[rng() % alphabet.size()];
        std::string needle(1 + rng() % 6, '\0');
        for (char& c : needle) c = "ab_"[rng() % 3];
        const qf::TermFinder finder(needle);
        const size_t from = text.empty() ? 0 : rng() % text.size();
        ASSERT_EQ(finder.Find(text, from), PlainFind(text, needle, from, false)) << text << " / " << needle;
        ASSERT_EQ(finder.FindCaseless(text, from), PlainFind(text, needle, from, true)) << text << " / " << needle;
    }
}

TEST_P(ByteRuns, CountsPastTheWideCountersLimit) {
    // More than 255 steps of sixty-four bytes, each full of line feeds.
    const std::string text(64 * 1000 + 5, '\n');
    EXPECT_EQ(qf::CountLineFeeds(text.data(), text.size()), text.size());
    std::string inPlace = "MiXeD " + std::string(40, 'Q');
    qf::LowerBytes(inPlace.data(), inPlace.data(), inPlace.size());
    EXPECT_EQ(inPlace, "mixed " + std::string(40, 'q'));
}

}  // namespace
}  // namespace qftest
