// The "Managing  results" tool window over the results of a real search.

#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <chrono>
#include <future>
#include <gtest/gtest.h>

#include "control_lookup.h"
#include "archive/search_folders.h"
#include "engine/run_helpers.h"
#include "shell/control_ids.h"
#include "shell/managing_results_window.h"
#include "support/test_support.h"

using qf::shell::IdName;
using qf::shell::ManagingResultsWindow;

namespace qftest {
namespace {

std::string Trim(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    while (!text.empty() && text.front() == ' ') text.erase(text.begin());
    return text;
}

class ManagingResultsTest : public ::testing::Test {
protected:
    ManagingResultsTest() : session(home.Path()), window(session, messages) {}

    // Seven hit lines: a/one.txt 1 and 3, a/two.log 1, b/four.csv 1 to 3, b/THREE.TXT 2.
    void Search() {
        WriteFile(data / "a/one.txt", "alpha 1\nbeta\nalpha 3\n");
        WriteFile(data / "a/two.log", "alpha\n");
        WriteFile(data / "b/THREE.TXT", "x\nalpha\n");
        WriteFile(data / "b/four.csv", "alpha\nalpha\nalpha\n");
        ContentSearch(session, {data.Path()}, "alpha");
        ASSERT_TRUE(RunSearch(session, messages).started);
        ASSERT_EQ(session.results.Size(), 7u);
        messages.Clear();
        window.SearchEnded();
    }

    template <typename T = QWidget>
    T* Control(const QString& name) { return ChildOf<T>(window, name); }
    template <typename T = QWidget>
    T* Control(int id) { return Control<T>(IdName(id)); }
    // A command works on its own thread; the test goes on when it is done.
    void Click(const QString& name) {
        Control<QPushButton>(name)->click();
        ASSERT_TRUE(QTest::qWaitFor([this] { return !window.Busy(); }, 20000));
    }
    void Click(int id) { Click(IdName(id)); }

    // "file:line" of every row, in list order.
    std::vector<std::string> Rows() {
        std::vector<std::string> rows;
        for (const qf::tagPrivStruct& r : session.results.CopyList())
            rows.push_back(Trim(r.fileName) + ":" + Trim(r.lineNumber));
        return rows;
    }
    std::vector<std::string> Field(std::string qf::tagPrivStruct::*field) {
        std::vector<std::string> values;
        for (const qf::tagPrivStruct& r : session.results.CopyList()) values.push_back(Trim(r.*field));
        return values;
    }
    std::vector<std::string> Items(int id) {
        std::vector<std::string> items;
        auto* list = Control<QListWidget>(id);
        for (int i = 0; i < list->count(); ++i) items.push_back(list->item(i)->text().toStdString());
        return items;
    }
    void MoveToInclude(const char* type) {
        auto* exclude = Control<QListWidget>(1664);
        exclude->clearSelection();
        exclude->findItems(QString::fromLatin1(type), Qt::MatchExactly).at(0)->setSelected(true);
        Click(1666);
    }
    qf::Options& options() { return session.state.options; }

    TempDir home;
    TempDir data;
    qf::Session session;
    qf::RecordingMessages messages;
    ManagingResultsWindow window;
};

TEST_F(ManagingResultsTest, SortsByTheChosenKeyAndOrderAndKeepsTheChoice) {
    Search();
    ASSERT_EQ(Rows(), (std::vector<std::string>{"one.txt:1", "one.txt:3", "two.log:1", "four.csv:1", "four.csv:2",
                                                "four.csv:3", "THREE.TXT:2"}));
    QSignalSpy changed(&window, &ManagingResultsWindow::resultsChanged);
    QSignalSpy status(&window, &ManagingResultsWindow::statusText);

    Control<QComboBox>("sortBy")->setCurrentIndex(3);  // "File extensions"
    Control<QRadioButton>("descending")->setChecked(true);
    Click("sortResults");

    // "TXT" sorts with "txt"; each block runs by folder, file and line, descending too.
    EXPECT_EQ(Rows(), (std::vector<std::string>{"THREE.TXT:2", "one.txt:3", "one.txt:1", "two.log:1", "four.csv:3",
                                                "four.csv:2", "four.csv:1"}));
    EXPECT_EQ(Field(&qf::tagPrivStruct::resultNumber), (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7"}));
    // Folder numbers stay those of the search: a is 1, b is 2.
    EXPECT_EQ(Field(&qf::tagPrivStruct::folderNumber),
              (std::vector<std::string>{"2", "1", "1", "1", "2", "2", "2"}));
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).toULongLong(), 7u);
    ASSERT_GE(status.count(), 1);
    EXPECT_EQ(status.at(0).at(0).toString(), QStringLiteral("Sorting ..."));
    EXPECT_EQ(options().Int(qf::Opt::DSCSORTORD), 1);
    EXPECT_EQ(options().Int(qf::Opt::ASCSORTORD), 0);
    EXPECT_EQ(options().Int(qf::Opt::SELSORTORD), 3);
    EXPECT_EQ(options().Text(qf::Opt::SELSORTORD), "File extensions");
    EXPECT_EQ(options().Int(qf::Opt::LISTORIGMO), 1);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(ManagingResultsTest, NothingToWorkOnBeforeASearch) {
    QSignalSpy changed(&window, &ManagingResultsWindow::resultsChanged);
    Click("sortResults");
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 0244.");
    EXPECT_EQ(messages.Last().text, "No result lines !\n\nAction: You must do search to get result lines.");
    EXPECT_EQ(messages.Last().icon, qf::MsgIcon::Warning);

    Click(1674);
    EXPECT_EQ(messages.Last().caption, "Warning !!! Msg no: 0135.");
    EXPECT_EQ(messages.Last().text,
              "Empty include and exclude window.No items to grouping!\n\nAction: You must search to give file "
              "type(s) in the \n\n             exclude window.");

    // The button leaves the window hidden when there is nothing to group.
    window.ShowFromButton();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(options().Int(qf::Opt::LISTORIGMO), 0);
}

TEST_F(ManagingResultsTest, GroupKeepsIncludedTypesInTheirOrderAndUngroupBringsAllBack) {
    Search();
    EXPECT_EQ(Items(1664), (std::vector<std::string>{"csv", "log", "txt"}));
    window.ShowFromButton();
    EXPECT_TRUE(window.isVisible());

    Click(1674);
    EXPECT_EQ(messages.Last().caption, "Warning !!! Msg no: 0109.");
    EXPECT_EQ(messages.Last().text,
              "Empty include window. No items to grouping!\n\nAction: You must add at least one file type \n\n"
              "             from exclude to include window");

    MoveToInclude("txt");
    MoveToInclude("csv");
    EXPECT_EQ(Items(1663), (std::vector<std::string>{"txt", "csv"}));
    EXPECT_EQ(Items(1664), (std::vector<std::string>{"log"}));
    // The button again keeps a grouping being prepared.
    EXPECT_TRUE(window.RefreshGroupingLists());
    EXPECT_EQ(Items(1663), (std::vector<std::string>{"txt", "csv"}));

    QSignalSpy changed(&window, &ManagingResultsWindow::resultsChanged);
    QSignalSpy statistics(&window, &ManagingResultsWindow::statisticsText);
    messages.Clear();
    Click(1674);
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"one.txt:1", "one.txt:3", "THREE.TXT:2", "four.csv:1", "four.csv:2",
                                                "four.csv:3"}));
    EXPECT_EQ(Field(&qf::tagPrivStruct::resultNumber), (std::vector<std::string>{"1", "2", "3", "4", "5", "6"}));
    ASSERT_EQ(statistics.count(), 1);
    EXPECT_EQ(statistics.at(0).at(0).toString(), QStringLiteral("After grouping from original search results - 6"));
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).toULongLong(), 6u);
    EXPECT_EQ(options().Int(qf::Opt::LISTORIGMO), 2);

    Click(1675);
    EXPECT_EQ(Rows().size(), 7u);
    EXPECT_EQ(Rows().at(2), "two.log:1");
    EXPECT_EQ(statistics.at(1).at(0).toString(), QStringLiteral("Restore original search results - 7"));
    EXPECT_EQ(changed.at(1).at(0).toULongLong(), 7u);
    EXPECT_TRUE(Items(1663).empty());
    EXPECT_EQ(Items(1664), (std::vector<std::string>{"csv", "log", "txt"}));
    EXPECT_EQ(options().Int(qf::Opt::LISTORIGMO), 0);
}

TEST_F(ManagingResultsTest, MoveButtonsUseTheGroupingCaptions) {
    Search();
    auto* exclude = Control<QListWidget>(1664);
    for (int i = 0; i < 520; ++i) exclude->addItem(QStringLiteral("t%1").arg(i));
    exclude->selectAll();
    Click(1666);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 0174-2.");
    EXPECT_TRUE(Items(1663).empty());

    Click(1668);
    EXPECT_EQ(Items(1663).size(), 523u);
    auto* include = Control<QListWidget>(1663);
    include->selectAll();
    Click(1665);
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 0173-2.");
    Click(1667);
    EXPECT_TRUE(Items(1663).empty());
    EXPECT_EQ(Items(1664).size(), 523u);
}

TEST_F(ManagingResultsTest, ModifyShowsTheFirstLinesOfEachFileWithinTheSearchLimit) {
    options().SetInt(qf::Opt::RESLINENUM, 50);
    Search();
    auto* lines = Control<QSpinBox>(1508);
    EXPECT_EQ(lines->value(), 50);
    EXPECT_EQ(options().Int(qf::Opt::ARESLINENU), 50);

    QSignalSpy statistics(&window, &ManagingResultsWindow::statisticsText);
    lines->setValue(1);
    Click(1510);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"one.txt:1", "two.log:1", "four.csv:1", "THREE.TXT:2"}));
    ASSERT_EQ(statistics.count(), 1);
    EXPECT_EQ(statistics.at(0).at(0).toString(), QStringLiteral("After modified line numbers : 4"));
    EXPECT_EQ(options().linesWithHitsMode, 2);
    EXPECT_EQ(options().linesWithHitsNote, "(after search)");
    EXPECT_EQ(messages.Count(), 0u);

    lines->setValue(51);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 0117.");
    EXPECT_EQ(messages.Last().text, "Maximum number to enter is : 50.");
    EXPECT_EQ(lines->value(), 50);

    // Modify 0 would hide every line of a found file: one line stays.
    lines->setValue(0);
    Click(1510);
    EXPECT_EQ(Rows().size(), 4u);
}

TEST_F(ManagingResultsTest, PreviewLineEditsRefuseMoreThanAHundredAndFollowTheClickAction) {
    auto* above = Control<QSpinBox>(341);
    auto* below = Control<QSpinBox>(344);
    EXPECT_EQ(above->value(), 2);
    above->setValue(101);
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 0115.");
    EXPECT_EQ(messages.Last().text, "Maximum number to enter is : 100.");
    EXPECT_EQ(above->value(), 1);
    below->setValue(150);
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 0116.");
    EXPECT_EQ(below->value(), 1);
    EXPECT_EQ(messages.Count(), 2u);

    above->setValue(0);
    below->setValue(100);
    EXPECT_EQ(messages.Count(), 2u);
    EXPECT_EQ(window.PreviewLines().above, 0u);
    EXPECT_EQ(window.PreviewLines().below, 100u);

    window.SetPreviewLinesEnabled(false);
    EXPECT_FALSE(above->isEnabled());
    EXPECT_FALSE(below->isEnabled());
    window.SetPreviewLinesEnabled(true);
    EXPECT_TRUE(above->isEnabled());
}

TEST_F(ManagingResultsTest, OkStoresTheControlsAndCancelOnlyHides) {
    window.show();
    Control<QComboBox>("sortBy")->setCurrentIndex(4);
    Control<QRadioButton>("descending")->setChecked(true);
    Control<QSpinBox>(341)->setValue(5);
    Control<QSpinBox>(344)->setValue(7);
    Control<QSpinBox>(1508)->setValue(3);
    const qf::Options before = options();

    Click("cancel");
    EXPECT_FALSE(window.isVisible());
    for (qf::Opt key : {qf::Opt::SELSORTORD, qf::Opt::DSCSORTORD, qf::Opt::ABOVERESNO, qf::Opt::BELOWRESNO,
                        qf::Opt::ARESLINENU})
        EXPECT_EQ(options().Int(key), before.Int(key));

    window.show();
    Click("ok");
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(options().Int(qf::Opt::SELSORTORD), 4);
    EXPECT_EQ(options().Text(qf::Opt::SELSORTORD), "File size");
    EXPECT_EQ(options().Int(qf::Opt::DSCSORTORD), 1);
    EXPECT_EQ(options().Int(qf::Opt::ASCSORTORD), 0);
    EXPECT_EQ(options().Int(qf::Opt::ABOVERESNO), 5);
    EXPECT_EQ(options().Int(qf::Opt::BELOWRESNO), 7);
    EXPECT_EQ(options().Int(qf::Opt::ARESLINENU), 3);

    // Options loaded from a settings file come back into the controls.
    options().SetInt(qf::Opt::ABOVERESNO, 9);
    options().Choose({qf::Opt::ASCSORTORD, qf::Opt::DSCSORTORD}, qf::Opt::ASCSORTORD);
    window.LoadFromOptions();
    EXPECT_EQ(Control<QSpinBox>(341)->value(), 9);
    EXPECT_TRUE(Control<QRadioButton>("ascending")->isChecked());
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(ManagingResultsTest, ANewSearchEmptiesTheGroupingLists) {
    Search();
    MoveToInclude("log");
    Click(1674);
    ASSERT_EQ(Rows(), (std::vector<std::string>{"two.log:1"}));

    WriteFile(data / "c/five.md", "alpha\n");
    ASSERT_TRUE(RunSearch(session, messages).started);
    window.SearchEnded();
    EXPECT_TRUE(Items(1663).empty());
    EXPECT_EQ(Items(1664), (std::vector<std::string>{"csv", "log", "md", "txt"}));
    EXPECT_EQ(Rows().size(), 8u);
}

TEST_F(ManagingResultsTest, WorksOnTheResultsFoundSoFarWhileASearchRuns) {
    WriteFile(data / "a/one.txt", "alpha\nalpha\n");
    WriteFile(data / "a/two.log", "alpha\n");
    WriteFile(data / "z/last.txt", "alpha\n");
    ContentSearch(session, {data.Path()}, "alpha");
    // The worker waits when it meets the last file: folder a is done by then.
    std::promise<void> reached, release;
    std::shared_future<void> go = release.get_future().share();
    RecordingObserver observer;
    observer.onName = [&, held = false](const std::string& name) mutable {
        if (held || name.find("last.txt") == std::string::npos) return;
        held = true;
        reached.set_value();
        go.wait_for(std::chrono::seconds(20));
    };
    ASSERT_TRUE(qf::PrepareSearchFolders(options(), session.AppHome(), messages));
    ASSERT_TRUE(qf::ValidateSessionSearch(session, messages));
    ASSERT_TRUE(qf::StartSearch(session, observer, messages));
    ASSERT_EQ(reached.get_future().wait_for(std::chrono::seconds(20)), std::future_status::ready);

    // Paused mid-run: the commands work on what the run has found so far.
    EXPECT_TRUE(window.RefreshGroupingLists());
    EXPECT_EQ(Items(1664), (std::vector<std::string>{"log", "txt"}));
    MoveToInclude("txt");
    Click(1674);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"one.txt:1", "one.txt:2"}));
    Control<QComboBox>("sortBy")->setCurrentIndex(0);
    Control<QRadioButton>("descending")->setChecked(true);
    Click("sortResults");
    EXPECT_EQ(Rows(), (std::vector<std::string>{"two.log:1", "one.txt:2", "one.txt:1"}));
    // The run's own grouping state is left to the run.
    EXPECT_TRUE(session.resultView.includeTypes.empty());

    release.set_value();
    qf::WaitForSearch(session);
    window.SearchEnded();
    EXPECT_EQ(Rows(), (std::vector<std::string>{"one.txt:1", "one.txt:2", "two.log:1", "last.txt:1"}));
    EXPECT_TRUE(Items(1663).empty());
    EXPECT_EQ(Items(1664), (std::vector<std::string>{"log", "txt"}));
}

}  // namespace
}  // namespace qftest
