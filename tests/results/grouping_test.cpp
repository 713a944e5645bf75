#include <gtest/gtest.h>

#include "platform/user_messages.h"
#include "results/result_grouping.h"
#include "results/search_end_results.h"
#include "results_fixture.h"

namespace {

using qftest::AddContentFile;
using qftest::Column;
using qftest::Entry;

struct Grouper {
    qf::SearchResults results;
    qf::ResultViewState view;
    qf::Options options;
    qf::RecordingMessages messages;

    Grouper() {
        AddContentFile(results, Entry("/b", "notes.txt"), {4, 2});
        AddContentFile(results, Entry("/a", "report.doc"), {1});
        AddContentFile(results, Entry("/a", "LOUD.TXT"), {3});
        AddContentFile(results, Entry("/a", "scan.pdf"), {1});
        AddContentFile(results, Entry("/c", "letter.doc"), {8, 9});
        qf::FinishSearchResults(results, view, nullptr);
    }
    std::vector<std::string> Rows() {
        return Column(results, [](const qf::tagPrivStruct& r) {
            return qftest::Trim(r.fileName) + ":" + qftest::Trim(r.lineNumber);
        });
    }
};

TEST(ResultGrouping, BlocksFollowTheIncludeOrderAndUngroupBringsAllBack) {
    Grouper g;
    EXPECT_EQ(g.view.excludeTypes, (std::vector<std::string>{"doc", "pdf", "txt"}));
    g.view.includeTypes = {"doc", "txt"};
    g.view.excludeTypes = {"pdf"};

    const qf::CommandReport grouped = qf::GroupResults(g.results, g.view, g.options, g.messages);
    ASSERT_EQ(grouped.outcome, qf::CommandOutcome::Done);
    EXPECT_EQ(g.Rows(), (std::vector<std::string>{"report.doc:1", "letter.doc:8", "letter.doc:9", "LOUD.TXT:3",
                                                  "notes.txt:2", "notes.txt:4"}));
    EXPECT_EQ(Column(g.results, [](const qf::tagPrivStruct& r) { return r.resultNumber; }),
              (std::vector<std::string>{"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(grouped.statisticsText, "After grouping from original search results - 6");
    EXPECT_EQ(g.options.Int(qf::Opt::LISTORIGMO), 2);
    EXPECT_EQ(g.messages.Count(), 0u);
    // Folder /a has three files in the search, but two of them in this list.
    EXPECT_EQ(g.view.folderFileCounts.at(g.results.Row(0).folderKey), 2);

    const qf::CommandReport restored = qf::UngroupResults(g.results, g.view, g.options, nullptr);
    EXPECT_EQ(restored.statisticsText, "Restore original search results - 7");
    EXPECT_EQ(g.Rows(), (std::vector<std::string>{"LOUD.TXT:3", "report.doc:1", "scan.pdf:1", "notes.txt:2",
                                                  "notes.txt:4", "letter.doc:8", "letter.doc:9"}));
    EXPECT_EQ(g.options.Int(qf::Opt::LISTORIGMO), 0);
    EXPECT_TRUE(g.view.includeTypes.empty());
    EXPECT_EQ(g.view.excludeTypes, (std::vector<std::string>{"doc", "pdf", "txt"}));
}

TEST(ResultGrouping, RefusesEmptyListsAndEmptyResults) {
    Grouper g;
    g.view.excludeTypes.clear();
    EXPECT_EQ(qf::GroupResults(g.results, g.view, g.options, g.messages).outcome, qf::CommandOutcome::Refused);
    EXPECT_EQ(g.messages.Last().caption, "Warning !!! Msg no: 0135.");

    g.view.excludeTypes = {"doc"};
    EXPECT_EQ(qf::GroupResults(g.results, g.view, g.options, g.messages).outcome, qf::CommandOutcome::Refused);
    EXPECT_EQ(g.messages.Last().caption, "Warning !!! Msg no: 0109.");
    EXPECT_EQ(g.messages.Last().text,
              "Empty include window. No items to grouping!\n\nAction: You must add at least one file type \n\n"
              "             from exclude to include window");
    EXPECT_EQ(g.results.Size(), 7u);

    qf::SearchResults empty;
    g.view.includeTypes = {"doc"};
    EXPECT_EQ(qf::GroupResults(empty, g.view, g.options, g.messages).outcome, qf::CommandOutcome::HideWindow);
    EXPECT_FALSE(qf::FillTypeLists(empty, g.view));
}

TEST(ResultGrouping, ModifyKeepsTheFirstLinesOfEveryFile) {
    Grouper g;
    g.view.includeTypes = {"pdf"};
    qf::GroupResults(g.results, g.view, g.options, g.messages);

    const qf::CommandReport one = qf::ModifyLinesPerFile(g.results, g.view, g.options, 1, nullptr);
    EXPECT_EQ(g.Rows(), (std::vector<std::string>{"LOUD.TXT:3", "report.doc:1", "scan.pdf:1", "notes.txt:2",
                                                  "letter.doc:8"}));
    EXPECT_EQ(one.statisticsText, "After modified line numbers : 5");
    EXPECT_EQ(g.options.linesWithHitsMode, 2);
    EXPECT_EQ(g.options.linesWithHitsNote, "(after search)");

    qf::ModifyLinesPerFile(g.results, g.view, g.options, 0, nullptr);
    EXPECT_EQ(g.results.Size(), 5u) << "a limit of 0 must not hide found files";
}

TEST(ResultGrouping, LinesPerFileEditStopsAtTheSearchLimit) {
    qf::Options options;
    qf::RecordingMessages messages;
    options.SetInt(qf::Opt::ARESLINENU, 100);
    EXPECT_EQ(qf::CheckLinesPerFileEdit(100, options, messages), 100);
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_EQ(qf::CheckLinesPerFileEdit(101, options, messages), 100);
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 0117.");
    EXPECT_EQ(messages.Last().text, "Maximum number to enter is : 100.");
}

TEST(ResultGrouping, TypesFromCommandLineText) {
    EXPECT_EQ(qf::TypesFromText("doc TXT"), (std::vector<std::string>{"doc", "txt"}));
    EXPECT_EQ(qf::TypesFromText(" pdf,,doc;pdf "), (std::vector<std::string>{"pdf", "doc"}));
    EXPECT_TRUE(qf::TypesFromText("  ").empty());
}

}  // namespace
