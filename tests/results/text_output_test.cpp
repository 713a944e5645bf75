#include <gtest/gtest.h>

#include "results/result_text_output.h"
#include "results/utf8_offsets.h"

namespace {

qf::ViewText WithRanges(std::string text, std::vector<std::tuple<size_t, size_t, int>> ranges) {
    qf::ViewText view;
    view.text = std::move(text);
    const qf::Utf8Offsets offsets(view.text);
    for (const auto& [b, e, c] : ranges) view.ranges.push_back(offsets.Range(b, e, c));
    return view;
}

TEST(ResultTextOutput, MarksHitsWithBracketsOrColours) {
    const qf::ViewText view = WithRanges("one two three\n", {{0, 3, 0}, {4, 7, 1}, {8, 13, 0}, {10, 13, 6 % 6}});
    EXPECT_EQ(qf::PreviewOutputText(view, qf::HitMarking::Brackets), "[[one]] [[two]] [[three]]\n");
    EXPECT_EQ(qf::PreviewOutputText(view, qf::HitMarking::Ansi),
              "\x1b[31mone\x1b[0m \x1b[32mtwo\x1b[0m \x1b[31mthree\x1b[0m\n");

    // Adjacent hits of different terms, the later range winning an overlap.
    const qf::ViewText touching = WithRanges("abcd", {{0, 3, 2}, {2, 4, 3}});
    EXPECT_EQ(qf::PreviewOutputText(touching, qf::HitMarking::Brackets), "[[ab]][[cd]]");
    EXPECT_EQ(qf::PreviewOutputText(touching, qf::HitMarking::Ansi), "\x1b[34mab\x1b[0m\x1b[36mcd\x1b[0m");
}

// A file's own escape sequences never reach the terminal; brackets go to
// pipes and files, which get the text exactly.
TEST(ResultTextOutput, OnATerminalOnlyOurOwnColoursAreControls) {
    const qf::ViewText view = WithRanges("a\x1b[2Jkey\rx\n\tb", {{5, 8, 0}});
    EXPECT_EQ(qf::PreviewOutputText(view, qf::HitMarking::Ansi), "a\\x1B[2J\x1b[31mkey\x1b[0m\\rx\n\tb");
    EXPECT_EQ(qf::PreviewOutputText(view, qf::HitMarking::Brackets), "a\x1b[2J[[key]]\rx\n\tb");
}

TEST(ResultTextOutput, RecordViewPrintsLabelsBesideValues) {
    qf::RecordViewText view;
    view.layout = qf::RecordViewLayout::WithoutHits;
    view.text = " \n key here\n \n a key here";
    view.values = {"key here", "a key here"};
    view.valueStarts = {3, 14};
    const qf::Utf8Offsets offsets(view.text);
    view.ranges = {offsets.Range(3, 6, 0), offsets.Range(16, 19, 0)};
    EXPECT_EQ(qf::RecordViewOutputText(view, qf::HitMarking::Brackets),
              "Lines begin with the first hit : [[key]] here\nFull line with hits : a [[key]] here\n");
}

}  // namespace
