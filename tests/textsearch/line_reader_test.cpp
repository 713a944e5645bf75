#include <gtest/gtest.h>

#include <tuple>

#include "support/test_support.h"
#include "textsearch/line_reader.h"

namespace {

std::vector<std::string> ReadAll(const std::string& path) {
    qf::LineReader reader(qf::ContentFile::Open(path), true);
    std::vector<std::string> lines;
    qf::TextLine line;
    while (reader.Next(line)) lines.emplace_back(line.folded);
    return lines;
}

}  // namespace

TEST(LineReader, LineEndsAndFolding) {
    qftest::TempDir dir;
    qftest::WriteFile(dir / "a", "One\r\n\nTwo\rX\nlast");
    EXPECT_EQ(ReadAll(dir / "a"), (std::vector<std::string>{"one", "", "two\rx", "last"}));
    qftest::WriteFile(dir / "b", "");
    EXPECT_TRUE(ReadAll(dir / "b").empty());
    EXPECT_TRUE(ReadAll(dir / "missing").empty());
}

// A line longer than the cap comes in pieces of cap bytes that repeat the
// overlap, its CR LF dropped; the lines around it come whole, also a line of
// exactly cap bytes before its CR LF.
TEST(LineReader, LinesLongerThanTheCapComeInOverlappingPieces) {
    qftest::TempDir dir;
    qftest::WriteFile(dir / "a", "short\n0123456789ABCDEFGHIJ\r\nnext\n0123456789\r\n");
    qf::LineReader reader(qf::ContentFile::Open(dir / "a"), true, 10);
    reader.SetOverlap(3);
    struct Piece {
        std::string folded;
        uint64_t offset;
        bool lineEnds;
    };
    std::vector<Piece> pieces;
    for (qf::TextLine line; reader.Next(line);) pieces.push_back({std::string(line.folded), line.offset, line.lineEnds});
    const std::vector<std::tuple<std::string, uint64_t, bool>> expected = {
        {"short", 0, true}, {"0123456789", 0, false}, {"789abcdefg", 7, false},
        {"efghij", 14, true}, {"next", 0, true},      {"0123456789", 0, true}};
    ASSERT_EQ(pieces.size(), expected.size());
    for (size_t i = 0; i < pieces.size(); ++i)
        EXPECT_EQ(std::tie(pieces[i].folded, pieces[i].offset, pieces[i].lineEnds),
                  std::tie(std::get<0>(expected[i]), std::get<1>(expected[i]), std::get<2>(expected[i])))
            << "piece " << i;
}

TEST(LineReader, SkippingStopsBeforeANeedleAndAtTheLimit) {
    qftest::TempDir dir;
    std::string text;
    for (int i = 1; i <= 100000; ++i) text += i == 70000 ? "the Key line\n" : "filler " + std::to_string(i) + "\n";
    qftest::WriteFile(dir / "big", text + "tail");
    qf::LineReader reader(qf::ContentFile::Open(dir / "big"), true);
    qf::SkipNeedles needles({qf::TermFinder("key")});
    size_t skipped = 0;
    for (size_t n; (n = reader.SkipLinesWithout(needles, SIZE_MAX)) > 0;) skipped += n;
    EXPECT_EQ(skipped, 69999u);
    qf::TextLine line;
    ASSERT_TRUE(reader.Next(line));
    EXPECT_EQ(line.text, "the Key line");

    EXPECT_EQ(reader.SkipLinesWithout(needles, 5), 5u);
    ASSERT_TRUE(reader.Next(line));
    EXPECT_EQ(line.text, "filler 70006");
    for (size_t n; (n = reader.SkipLinesWithout(needles, SIZE_MAX)) > 0;) skipped += n;
    EXPECT_EQ(skipped, 69999u + 29994u + 1u);  // the last line has no LF
    EXPECT_FALSE(reader.Next(line));
}

// Skipping between lines that hold one needle must not search the rest of
// the buffer again for an absent needle named before it: the work is in
// proportion to the text, whatever the order of the needles.
TEST(LineReader, SkippingSearchesTheTextOnceWhateverTheNeedleOrder) {
    qftest::TempDir dir;
    std::string text;
    for (int i = 0; i < 200000; ++i) text += i % 10 == 0 ? "the form of it\n" : "plain words here\n";
    qftest::WriteFile(dir / "text", text);
    for (const auto& order : {std::vector<std::string>{"qzxneedle", "fo"}, std::vector<std::string>{"fo", "qzxneedle"}}) {
        std::vector<qf::TermFinder> finders;
        for (const std::string& n : order) finders.emplace_back(n);
        qf::SkipNeedles needles(std::move(finders));
        qf::LineReader reader(qf::ContentFile::Open(dir / "text"), true);
        size_t lines = 0;
        qf::TextLine line;
        for (;;) {
            lines += reader.SkipLinesWithout(needles, SIZE_MAX);
            if (!reader.Next(line)) break;
            ++lines;
        }
        EXPECT_EQ(lines, 200000u);
        EXPECT_LE(reader.BytesSearched(), 3 * text.size()) << order.front() << " first";
    }
}
