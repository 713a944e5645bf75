#include <gtest/gtest.h>

#include "settings/default_lists.h"
#include "settings/search_mode.h"
#include "settings/search_start.h"
#include "textsearch/query_terms.h"

namespace {

using qf::Opt;

class SearchStart : public ::testing::Test {
protected:
    void SetUp() override {
        qf::PrepareModelAtStart(state.options);
        state.options.SetList(Opt::DIRECTORIS, {"/tmp"});
        state.TakeSnapshot();
    }

    int Validate() { return qf::ValidateSearchStart(state, qf::DefaultQueryChecks(), messages, stopRequest); }

    qf::SettingsState state;
    qf::RecordingMessages messages;
    std::atomic<int> stopRequest{1};
};

TEST_F(SearchStart, NoFoldersIsRefusedEvenByFileName) {
    state.options.SetList(Opt::DIRECTORIS, {});
    state.options.Choose({Opt::STYDOSFILE, Opt::SRCTYOTHER}, Opt::STYDOSFILE);
    EXPECT_EQ(Validate(), 0);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no:0088");
    EXPECT_EQ(messages.Last().text,
              "There is(are) no selected folder(s) !\n\nAction: Press the Select FOLDER(s) button!");
    EXPECT_EQ(messages.Last().icon, qf::MsgIcon::Warning);
    EXPECT_EQ(stopRequest, 0);
}

TEST_F(SearchStart, EmptyPhraseIsRefusedWith0076) {
    state.options.SetText(Opt::FINDTEXTS1, "alpha \"  \" beta");
    EXPECT_EQ(Validate(), 0);
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 0076");
    EXPECT_TRUE(state.searchTerms.empty());
}

TEST_F(SearchStart, OddMarksAreReportedByTheSplitOnly) {
    state.options.SetText(Opt::FINDTEXTS1, "a \"b");
    EXPECT_EQ(Validate(), 0);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 0073.");
}

TEST_F(SearchStart, EmptyQueryIsRefusedWithPlain0001) {
    state.options.SetText(Opt::FINDTEXTS1, "   ");
    EXPECT_EQ(Validate(), 0);
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 0001.");
    EXPECT_EQ(messages.Last().text, "Text field is empty !");
    EXPECT_EQ(messages.Last().icon, qf::MsgIcon::None);
}

TEST_F(SearchStart, ContentSearchGetsAllFilesPatternAndTerms) {
    state.options.SetText(Opt::FINDTEXTS1, "alpha \"beta gamma\" delta");
    ASSERT_EQ(Validate(), 1);
    EXPECT_EQ(state.searchTerms, (std::vector<std::string>{"alpha", "beta gamma", "delta"}));
    EXPECT_EQ(state.options.List(Opt::FILENAMES1), (std::vector<std::string>{"*.*"}));
    EXPECT_EQ(state.options.linesWithHitsMode, 1);
    EXPECT_EQ(state.options.linesWithHitsNote, "(before search)");
    ASSERT_EQ(state.snapshots.size(), 1u);
    EXPECT_EQ(state.ReadSnapshot().lastStandardQuery, "alpha \"beta gamma\" delta");
    EXPECT_EQ(state.ReadSnapshot().searchTerms.size(), 3u);
}

TEST_F(SearchStart, ByFileNameNeedsNamesUnlessTypesOnly) {
    qf::SelectByFileNameMode(state.options);
    EXPECT_EQ(Validate(), 0);
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no:0105");

    messages.Clear();
    state.options.Choose({Opt::MATCHFILNA, Opt::MATCHFILTY}, Opt::MATCHFILTY);
    EXPECT_EQ(Validate(), 1);
    EXPECT_EQ(state.options.List(Opt::FILENAMES1), (std::vector<std::string>{"*.*"}));
    EXPECT_EQ(messages.Count(), 0u);
}

// The window's "By file name" radio clears the query targets, so the query
// check has nothing to ask; a target left set is checked like any other.
TEST_F(SearchStart, ByFileNameModeHasNoQueryToCheck) {
    qf::SelectByFileNameMode(state.options);
    state.options.SetList(Opt::FILENAMES1, {"*.txt"});
    EXPECT_EQ(Validate(), 1);
    EXPECT_EQ(messages.Count(), 0u);

    state.options.SetInt(Opt::STYPESTEXT, 1);
    EXPECT_EQ(Validate(), 0);
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 0001.");
}

TEST_F(SearchStart, SnapshotIsReplacedNotAppended) {
    state.options.SetText(Opt::FINDTEXTS1, "first");
    ASSERT_EQ(Validate(), 1);
    state.options.SetText(Opt::FINDTEXTS1, "second");
    ASSERT_EQ(Validate(), 1);
    ASSERT_EQ(state.snapshots.size(), 1u);
    EXPECT_EQ(state.ReadSnapshot().options.Text(Opt::FINDTEXTS1), "second");
}

TEST_F(SearchStart, FailedValidationKeepsTheSnapshotItTook) {
    state.options.SetText(Opt::FINDTEXTS1, "");
    EXPECT_EQ(Validate(), 0);
    EXPECT_EQ(state.snapshots.size(), 1u);
    EXPECT_EQ(state.ReadSnapshot().options.Text(Opt::FINDTEXTS1), "");
}

}  // namespace
