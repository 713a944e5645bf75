// The wide folding and line-feed counting against a byte-by-byte reading, at
// every length and alignment around the block sizes.

#include <gtest/gtest.h>

#include <random>
#include <string>

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

TEST(ByteRuns, FoldingAndCountingMatchAPlainReadingAtEveryLengthAndOffset) {
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

TEST(ByteRuns, CountsPastTheWideCountersLimit) {
    // More than 255 blocks of thirty-two bytes, each full of line feeds.
    const std::string text(32 * 1000 + 5, '\n');
    EXPECT_EQ(qf::CountLineFeeds(text.data(), text.size()), text.size());
    std::string inPlace = "MiXeD " + std::string(40, 'Q');
    qf::LowerBytes(inPlace.data(), inPlace.data(), inPlace.size());
    EXPECT_EQ(inPlace, "mixed " + std::string(40, 'q'));
}

// The either-byte search and the search of a folded term in text that is not
// folded, against a plain reading: every length and offset around the block
// sizes, the bytes sought anywhere in a block or at its edges.
TEST(ByteRuns, EitherByteAndAnyCaseTermsMatchAPlainReading) {
    std::mt19937 rng(11);
    for (size_t offset = 0; offset < 8; ++offset) {
        for (size_t n = 0; n < 200; ++n) {
            const std::string text = RandomBytes(rng, offset + n);
            const char* in = text.data() + offset;
            const char* expected = nullptr;
            for (size_t i = 0; i < n && !expected; ++i)
                if (in[i] == 'Z' || in[i] == 'z') expected = in + i;
            ASSERT_EQ(qf::FindEitherByte(in, n, 'z', 'Z'), expected) << offset << " " << n;
        }
    }
    for (const std::string term : {"az", "z", "a@z", "\x80z", "zz"}) {
        const qf::TermFinder finder(term);
        for (int round = 0; round < 300; ++round) {
            const std::string text = RandomBytes(rng, 1 + rng() % 120);
            std::string folded(text.size(), '\0');
            qf::LowerBytes(text.data(), folded.data(), text.size());
            for (size_t from = 0; from <= text.size(); from += 7)
                ASSERT_EQ(finder.FindAnyCase(text, from), folded.find(term, from)) << term << " " << round;
        }
    }
}

}  // namespace
}  // namespace qftest
