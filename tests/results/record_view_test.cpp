#include <gtest/gtest.h>

#include "platform/user_messages.h"
#include "results/record_view.h"
#include "results/result_sorting.h"
#include "results/search_end_results.h"
#include "results_fixture.h"
#include "support/test_support.h"

namespace {

using qftest::Entry;
using qftest::Lines;

struct Viewer {
    qftest::TempDir dir;
    qf::SearchResults results;
    qf::ResultViewState view;
    qf::Options options;
    qf::RecordingMessages messages;

    void AddFile(const std::string& folder, const std::string& name, const std::string& line,
                 const std::string& term, int32_t position) {
        qftest::WriteFile(dir / (folder + "/" + name), line + "\n");
        qf::MakeRecords(results, Entry(dir / folder, name), qf::kKindFileContent,
                        Lines({{1, line, {{term, {position}}}}}));
    }
    qf::RecordViewResult View(size_t row, const std::vector<std::string>& terms) {
        return qf::RecordViewFill(results, row, view, options, terms, messages);
    }
    size_t RowOf(const std::string& name) {
        for (size_t i = 0; i < results.Size(); ++i)
            if (qftest::Trim(results.Row(i).fileName) == name) return i;
        return results.Size();
    }
};

TEST(RecordView, LayoutWithHitsAndItsColouredRanges) {
    Viewer v;
    v.AddFile("d", "a.txt", "xx\xC3\xA9 find me", "find", 4);  // positions count characters
    qf::FinishSearchResults(v.results, v.view, nullptr);

    const qf::RecordViewResult result = v.View(0, {"FIND"});
    ASSERT_EQ(result.outcome, qf::RecordViewOutcome::Filled);
    const qf::RecordViewText& t = result.view;
    EXPECT_EQ(t.layout, qf::RecordViewLayout::WithHits);
    ASSERT_EQ(t.values.size(), 22u);
    const std::string head = " \n find me\n \n xx\xC3\xA9 find me\n\n 1/1\n\n 1/1\n\n 1\n\n File content\n\n a.txt";
    EXPECT_EQ(t.text.substr(0, head.size()), head);
    EXPECT_EQ(t.text.substr(t.text.size() - 3), "\n\n ");  // the last, empty unzipped extension

    ASSERT_EQ(t.ranges.size(), 2u);
    EXPECT_EQ(t.ranges[0].byteBegin, 3u);
    EXPECT_EQ(t.ranges[0].byteEnd, 7u);
    const size_t line = 3 + 7 + 4;  // after the first-hit text and "\n \n "
    EXPECT_EQ(t.ranges[1].byteBegin, line + 5);
    EXPECT_EQ(t.ranges[1].charBegin, line + 4);  // "é" is two bytes, one character
}

TEST(RecordView, HitsColourWholeCharactersWhateverTheirLengthInBytes) {
    Viewer v;
    v.AddFile("d", "a.txt", "\xC3\xA9 STRA\xE1\xBA\x9E" "E ok", "stra\xC3\x9F" "e", 2);  // é STRAẞE ok
    qf::FinishSearchResults(v.results, v.view, nullptr);
    const qf::RecordViewText t = v.View(0, {"stra\xC3\x9F" "e"}).view;
    ASSERT_EQ(t.ranges.size(), 2u);
    EXPECT_EQ(t.ranges[0].byteEnd - t.ranges[0].byteBegin, 8u);  // the first-hit text starts with the hit
    EXPECT_EQ(t.ranges[1].byteEnd - t.ranges[1].byteBegin, 8u);
    EXPECT_EQ(t.text.substr(t.ranges[1].byteBegin, 8), "STRA\xE1\xBA\x9E" "E");
}

TEST(RecordView, PatternHitsAreColouredOverTheirMatch) {
    Viewer v;
    const std::string line = "x allllpha y";
    qftest::WriteFile(v.dir / "d/r.txt", line + "\n");
    qf::MakeRecords(v.results, Entry(v.dir / "d", "r.txt"), qf::kKindFileContent,
                    Lines({{1, line, {{"al+pha", {2}}}, {{"al+pha", {8}}}}}));
    qf::FinishSearchResults(v.results, v.view, nullptr);

    const qf::RecordViewText t = v.View(0, {"al+pha"}).view;
    ASSERT_EQ(t.ranges.size(), 2u);
    for (const qf::ColorRange& r : t.ranges)
        EXPECT_EQ(t.text.substr(r.byteBegin, r.byteEnd - r.byteBegin), "allllpha");
}

TEST(RecordView, FileCountsOfTheSecondOfThreeFilesEvenAfterASortBySize) {
    Viewer v;
    v.AddFile("d", "a.txt", "hit", "hit", 0);
    v.AddFile("d", "b.txt", "hit", "hit", 0);
    v.AddFile("d", "c.txt", "hit", "hit", 0);
    v.AddFile("e", "b0.txt", "hit", "hit", 0);
    qf::FinishSearchResults(v.results, v.view, nullptr);

    auto counts = [&](size_t row) {
        const qf::RecordViewText t = v.View(row, {"hit"}).view;
        return t.values[2] + " " + t.values[3];
    };
    EXPECT_EQ(counts(v.RowOf("b.txt")), "1/2 2/3");

    // By name, e/b0.txt falls between d/b.txt and d/c.txt: folder d's rows are
    // no longer adjacent, yet its count stays that of the whole folder.
    qf::SortCommand(v.results, v.view, v.options, {0, false}, v.messages, nullptr);
    ASSERT_EQ(v.RowOf("b0.txt"), 2u);
    EXPECT_EQ(counts(v.RowOf("b.txt")), "1/2 2/3");
    EXPECT_EQ(counts(v.RowOf("c.txt")), "1/2 3/3");
    EXPECT_EQ(counts(v.RowOf("b0.txt")), "2/2 1/1");
}

TEST(RecordView, WholeFileResultsShowTheirValuesWithoutALine) {
    Viewer v;
    qf::MakeRecords(v.results, Entry(v.dir.Path(), "absent.txt"), qf::kKindNotContained, {});
    qf::FinishSearchResults(v.results, v.view, nullptr);

    const qf::RecordViewText t = v.View(0, {"x"}).view;
    EXPECT_EQ(t.layout, qf::RecordViewLayout::WithoutHits);
    ASSERT_EQ(t.values.size(), 16u);
    EXPECT_EQ(t.values[0], "");
    EXPECT_EQ(t.values[5], "Not cont.");
    EXPECT_TRUE(t.ranges.empty());
}

TEST(RecordView, HiddenOrRefused) {
    Viewer v;
    v.AddFile("d", "a.txt", "hit", "hit", 0);
    qf::MakeRecords(v.results, Entry(v.dir / "d", "gone.txt"), qf::kKindFileContent,
                    Lines({{1, "hit", {{"hit", {0}}}}}));

    EXPECT_EQ(qf::RecordViewFill(v.results, std::nullopt, v.view, v.options, {"hit"}, v.messages).outcome,
              qf::RecordViewOutcome::NoRow);
    EXPECT_EQ(v.messages.Last().caption, "Warning !    Msg no: 0222.");

    EXPECT_EQ(v.View(1, {"hit"}).outcome, qf::RecordViewOutcome::Hidden);
    EXPECT_EQ(v.messages.Last().caption, "Error !    Msg no: 0230.");
    EXPECT_EQ(v.messages.Last().text, "No, or damaged file ! Unable to open :\n\n" + (v.dir / "d/gone.txt"));

    v.options.SetInt(qf::Opt::STYDOSFILE, 1);
    v.messages.Clear();
    EXPECT_EQ(v.View(0, {"hit"}).outcome, qf::RecordViewOutcome::Hidden);
    EXPECT_EQ(v.messages.Count(), 0u);
}

}  // namespace
