// The extracts/reports window over the results of a real search.

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <algorithm>
#include <optional>

#include "control_lookup.h"
#include "settings/default_lists.h"
#include "shell/reports_window.h"
#include "shell/text_file_window.h"
#include "window_fixture.h"

using namespace qf::shell;

namespace qftest {
namespace {

class ReportsWindowTest : public WindowTest {
protected:
    ReportsWindowTest() {
        reports = std::make_unique<ReportsWindow>(session, messages);
        reports->chooseSaveFile = [this](const std::string& title) { return Answer(title); };
        reports->chooseOpenFile = [this](const std::string& title) { return Answer(title); };
        reports->openFile = [this](const std::string& path) {
            opened.push_back(path);
            return openSucceeds;
        };
    }

    std::optional<std::string> Answer(const std::string& title) {
        titles.push_back(title);
        return chosen;
    }

    // Two hit lines in one file, the second with a tab.
    void SearchAlpha() {
        WriteFile(data / "f1.txt", "alpha one\nzzz\nalpha\ttwo\n");
        options().SetList(qf::Opt::DIRECTORIS, {data.Path()});
        Control<QComboBox>(kIdStandardBox)->setEditText(QStringLiteral("alpha"));
        ASSERT_TRUE(SearchAndWait());
        ASSERT_EQ(session.results.Size(), 2u);
    }

    template <typename T = QWidget>
    T* Child(const QString& name) { return ChildOf<T>(*reports, name); }
    // A report is written on its own thread; the test goes on when it is done.
    void Press(const char* name) {
        Child<QPushButton>(name)->click();
        ASSERT_TRUE(QTest::qWaitFor([this] { return !reports->Busy(); }, 20000));
    }
    void Check(const char* name, bool on) { Child<QCheckBox>(name)->setChecked(on); }
    void Sections(bool logic, bool lines, bool statistics) {
        Check("searchLogic", logic);
        Check("resultLines", lines);
        Check("statistics", statistics);
    }
    QStringList Items(const char* list) {
        QStringList items;
        auto* w = Child<QListWidget>(list);
        for (int i = 0; i < w->count(); ++i) items << w->item(i)->text();
        return items;
    }
    void Select(const char* list, const QStringList& names) {
        auto* w = Child<QListWidget>(list);
        for (int i = 0; i < w->count(); ++i) w->item(i)->setSelected(names.contains(w->item(i)->text()));
    }
    // Included columns: exactly these, in this order.
    void IncludeOnly(const QStringList& names) {
        Press("allToExcluded");
        for (const QString& name : names) {
            Select("excludeColumns", {name});
            Press("toIncluded");
        }
    }
    static std::vector<std::string> Lines(const std::string& text) {
        std::vector<std::string> lines;
        size_t start = 0;
        for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
            lines.push_back(text.substr(start, end - start));
        return lines;
    }
    void ExpectOnlyMessage(const char* caption, const char* text, qf::MsgIcon icon) {
        ASSERT_EQ(messages.Count(), 1u) << caption;
        EXPECT_EQ(messages.Last().caption, caption);
        if (text) {
            EXPECT_EQ(messages.Last().text, text);
        }
        EXPECT_EQ(messages.Last().icon, icon);
    }

    std::unique_ptr<ReportsWindow> reports;
    std::optional<std::string> chosen;
    std::vector<std::string> titles;
    std::vector<std::string> opened;
    bool openSucceeds = true;
};

TEST_F(ReportsWindowTest, SaveToFileWritesTheCheckedSectionsWithTheChosenColumns) {
    SearchAlpha();
    Sections(false, true, true);
    IncludeOnly({"File name", "Line number"});
    chosen = data / "report.txt";
    Press("saveToFile");

    EXPECT_EQ(titles, std::vector<std::string>{"Save search results to a REPORT file"});
    ExpectOnlyMessage("Warning!  ", "Save operation completed !!! ", qf::MsgIcon::Warning);
    const std::string text = ReadFile(*chosen);
    const std::vector<std::string> lines = Lines(text);
    ASSERT_GT(lines.size(), 10u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1].rfind(std::string(30, ' ') + "Search Report", 0), 0u);
    EXPECT_EQ(text.find("    Attributes"), std::string::npos);  // search logic is off
    EXPECT_NE(text.find("S U M M A R Y"), std::string::npos);
    // Columns in the included order, padded, each followed by three spaces.
    const std::string header = "File /Folder Names   Line Number   ";
    const auto at = std::find(lines.begin(), lines.end(), header);
    ASSERT_NE(at, lines.end()) << text;
    EXPECT_EQ(at[1], std::string(header.size(), '-'));
    EXPECT_EQ(at[3], "f1.txt" + std::string(12, ' ') + "   " + std::string(10, ' ') + "1   ");
    EXPECT_EQ(at[4], "f1.txt" + std::string(12, ' ') + "   " + std::string(10, ' ') + "3   ");
    EXPECT_EQ(at[6], " Total number of lines saved : 2");
    // The buttons stored the controls before writing.
    const qf::ColumnList& included = options().Columns(qf::Opt::LISTINCLIS);
    ASSERT_EQ(included.size(), 2u);
    EXPECT_EQ(included[0].sName, "File name");
    EXPECT_EQ(included[1].nNumber, 3);
    EXPECT_EQ(options().Columns(qf::Opt::LISTEXCLIS).size(), 9u);
    EXPECT_EQ(options().Int(qf::Opt::LISTSUMMAR), 1);
    EXPECT_EQ(options().Int(qf::Opt::LISTSETCHK), 0);
}

TEST_F(ReportsWindowTest, SearchLogicReportDescribesTheSearchAndTabsLeaveTheHitLines) {
    SearchAlpha();
    Sections(true, true, false);
    IncludeOnly({"Full Line(s) with hit(s)"});
    chosen = data / "logic.txt";
    Press("saveToFile");
    const std::string text = ReadFile(*chosen);
    EXPECT_NE(text.find("    Attributes"), std::string::npos);
    EXPECT_NE(text.find("Standard Search "), std::string::npos);
    EXPECT_EQ(text.find("S U M M A R Y"), std::string::npos);
    EXPECT_NE(text.find("alphatwo"), std::string::npos);
    EXPECT_EQ(text.find('\t'), std::string::npos);
}

TEST_F(ReportsWindowTest, ExportWritesOneLinePerRecordEndingWithTheSeparator) {
    SearchAlpha();
    IncludeOnly({"File name", "Line number"});
    chosen = data / "export.txt";
    Press("exportCommaSep");
    EXPECT_EQ(titles, std::vector<std::string>{"Export search results to a REPORT file"});
    ExpectOnlyMessage("Warning!  ", "Export operation completed !!! ", qf::MsgIcon::Warning);
    EXPECT_EQ(ReadFile(*chosen), "f1.txt , 1 , \r\nf1.txt , 3 , \r\n");
}

TEST_F(ReportsWindowTest, ReportRefusalsComeInOrderAndWriteNothing) {
    // No section: refused before the empty result list is noticed.
    Sections(false, false, false);
    Press("instantDisplay");
    ExpectOnlyMessage("Warning!    Msg no: 0188.", "No active list settings !!! !\n\nAction: You must check at least one option !",
                      qf::MsgIcon::Warning);
    messages.Clear();
    Sections(true, false, false);
    Press("saveToFile");
    ExpectOnlyMessage("Warning!    Msg no: 0187.", nullptr, qf::MsgIcon::Warning);
    EXPECT_TRUE(titles.empty());

    SearchAlpha();
    messages.Clear();
    Check("resultLines", true);
    Press("allToExcluded");
    Check("resultLines", false);
    // Without the result lines an empty column list does not matter; a cancelled name does.
    Press("saveToFile");
    ExpectOnlyMessage("Warning!    Msg no: 0192.",
                      "No selected file name !!! !\n\nAction: You must select or enter a file name in the SAVE window !",
                      qf::MsgIcon::Warning);
    messages.Clear();
    Check("resultLines", true);
    Press("saveToFile");
    ExpectOnlyMessage("Warning!    Msg no: 0189.", nullptr, qf::MsgIcon::Warning);
    EXPECT_EQ(titles.size(), 1u);

    messages.Clear();
    Press("allToIncluded");
    chosen = data / "missing/report.txt";
    Press("saveToFile");
    ExpectOnlyMessage("Severe Error!    Msg no: 0147.", nullptr, qf::MsgIcon::Error);
    EXPECT_FALSE(Exists(*chosen));
}

// A full disk opens fine but takes no line: no completion message may follow.
TEST_F(ReportsWindowTest, AWriteFailureAfterOpeningIsNotConfirmed) {
    if (!Exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    SearchAlpha();
    chosen = "/dev/full";
    Press("saveToFile");
    ExpectOnlyMessage("Severe Error!    Msg no: 0147.", nullptr, qf::MsgIcon::Error);
    messages.Clear();
    Press("exportCommaSep");
    ExpectOnlyMessage("Severe Error!    Msg no: 0211.", nullptr, qf::MsgIcon::Error);
}

TEST_F(ReportsWindowTest, ExportRefusalsComeInOrder) {
    Press("exportCommaSep");
    ExpectOnlyMessage("Warning!    Msg no: 0208.", nullptr, qf::MsgIcon::Warning);
    SearchAlpha();
    const std::pair<const char*, const char*> steps[] = {{"allToExcluded", "Warning!    Msg no: 0209."},
                                                         {"allToIncluded", "Warning!    Msg no: 0210."}};
    for (const auto& [move, caption] : steps) {
        messages.Clear();
        Press(move);
        Press("exportCommaSep");
        ExpectOnlyMessage(caption, nullptr, qf::MsgIcon::Warning);
    }
    messages.Clear();
    chosen = data / "missing/export.txt";
    Press("exportCommaSep");
    ExpectOnlyMessage("Severe Error!    Msg no: 0211.", nullptr, qf::MsgIcon::Error);
}

TEST_F(ReportsWindowTest, InstantDisplayWritesDefaultTxtInTheHomeAndOpensIt) {
    SearchAlpha();
    Press("instantDisplay");
    const std::string path = home / "default.txt";
    EXPECT_TRUE(titles.empty());
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_EQ(opened, std::vector<std::string>{path});
    EXPECT_NE(ReadFile(path).find(" Total number of lines saved : 2"), std::string::npos);

}

// Without a viewer on the desktop the report is shown by the program, and
// the message says so instead of calling the file damaged.
TEST_F(ReportsWindowTest, InstantDisplayWithoutAViewerShowsTheReportItself) {
    SearchAlpha();
    openSucceeds = false;
    Press("instantDisplay");
    const std::string path = home / "default.txt";
    ExpectOnlyMessage("Warning !    Msg no: 1150.",
                      ("No viewer could be started for the file :\n\n" + path +
                       "\n\nAction : The file is shown in the program's own viewer.")
                          .c_str(),
                      qf::MsgIcon::Warning);
    auto* viewer = reports->findChild<TextFileWindow*>();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_TRUE(viewer->Text().contains(QStringLiteral(" Total number of lines saved : 2")));
    EXPECT_FALSE(viewer->Text().contains(QLatin1Char('\r')));
}

TEST_F(ReportsWindowTest, AReportDuringASearchCoversTheResultsFoundSoFar) {
    for (int i = 0; i < 400; ++i) WriteFile(data / ("f" + std::to_string(1000 + i) + ".txt"), "alpha\nalpha\n");
    options().SetList(qf::Opt::DIRECTORIS, {data.Path()});
    options().SetInt(qf::Opt::DISPLAYDUR, 1);
    options().SetInt(qf::Opt::DISPLAYATE, 0);
    Control<QComboBox>(kIdStandardBox)->setEditText(QStringLiteral("alpha"));
    QSignalSpy ended(window.get(), &MainWindow::searchEnded);
    Click(kIdSearch);
    ASSERT_TRUE(QTest::qWaitFor([&] { return session.results.Size() > 0; }, 20000));
    Press("instantDisplay");
    ASSERT_TRUE(ended.count() > 0 || ended.wait(20000));
    EXPECT_EQ(messages.Count(), 0u);
    const std::string report = ReadFile(home / "default.txt");
    const size_t at = report.find(" Total number of lines saved : ");
    ASSERT_NE(at, std::string::npos);
    const int saved = std::stoi(report.substr(at + 31));
    EXPECT_GT(saved, 0);
    EXPECT_LE(saved, 800);
    EXPECT_EQ(session.results.Size(), 800u);
}

TEST_F(ReportsWindowTest, OpenSavedOpensTheChosenFileOrWarnsOnCancel) {
    Press("openSaved");
    EXPECT_EQ(titles, std::vector<std::string>{"Open REPORT file."});
    ExpectOnlyMessage("Warning!    Msg no: 0190.", nullptr, qf::MsgIcon::Warning);
    EXPECT_TRUE(opened.empty());
    messages.Clear();
    chosen = data / "old.txt";
    WriteFile(*chosen, "an old report\r\n");
    Press("openSaved");
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_EQ(opened, std::vector<std::string>{*chosen});
}

TEST_F(ReportsWindowTest, SectionsEnableTheSaveCommandsAndTheColumnLists) {
    Sections(false, false, false);
    EXPECT_FALSE(Child("saveToFile")->isEnabled());
    EXPECT_FALSE(Child("openSaved")->isEnabled());
    EXPECT_FALSE(Child("includeColumns")->isEnabled());
    EXPECT_FALSE(Child("toExcluded")->isEnabled());
    Check("statistics", true);
    EXPECT_TRUE(Child("saveToFile")->isEnabled());
    EXPECT_TRUE(Child("openSaved")->isEnabled());
    EXPECT_FALSE(Child("excludeColumns")->isEnabled());
    Check("resultLines", true);
    EXPECT_TRUE(Child("excludeColumns")->isEnabled());
    EXPECT_TRUE(Child("allToIncluded")->isEnabled());
}

TEST_F(ReportsWindowTest, MovesKeepColumnNumbersAndCloseStoresTheLists) {
    reports->show();
    Select("includeColumns", {"Folder", "File size"});
    Press("toExcluded");
    Select("excludeColumns", {"Folder"});
    Press("toIncluded");
    QStringList expected;
    for (const auto& column : qf::ReportColumns()) expected << QString::fromStdString(column.sName);
    expected.removeAll("Folder");
    expected.removeAll("File size");
    expected << "Folder";
    EXPECT_EQ(Items("includeColumns"), expected);
    EXPECT_EQ(Items("excludeColumns"), QStringList{"File size"});

    // A name already present in the target (any letter case) is not added twice.
    auto* excluded = Child<QListWidget>("excludeColumns");
    excluded->item(0)->setText("FILE SIZE");
    Select("includeColumns", {"Folder"});
    Press("toExcluded");
    Select("excludeColumns", {});
    excluded->addItem("folder");
    Press("allToIncluded");
    EXPECT_EQ(Items("includeColumns").filter(QRegularExpression("^folder$", QRegularExpression::CaseInsensitiveOption)).size(), 1);

    Check("searchLogic", true);
    Press("close");
    EXPECT_TRUE(reports->isHidden());
    EXPECT_EQ(options().Int(qf::Opt::LISTSETCHK), 1);
    const qf::ColumnList& included = options().Columns(qf::Opt::LISTINCLIS);
    ASSERT_FALSE(included.empty());
    EXPECT_TRUE(options().Columns(qf::Opt::LISTEXCLIS).empty());
    const auto size = std::find_if(included.begin(), included.end(), [](const auto& c) { return c.nNumber == 8; });
    ASSERT_NE(size, included.end());
    EXPECT_EQ(size->sName, "FILE SIZE");
}

TEST_F(ReportsWindowTest, SetDefaultsAndRefreshShowTheOptions) {
    options().SetInt(qf::Opt::LISTPRECHK, 1);
    Press("allToExcluded");
    Sections(true, false, true);
    Press("setDefaults");
    EXPECT_FALSE(Child<QCheckBox>("searchLogic")->isChecked());
    EXPECT_TRUE(Child<QCheckBox>("resultLines")->isChecked());
    EXPECT_FALSE(Child<QCheckBox>("statistics")->isChecked());
    EXPECT_EQ(Items("includeColumns").size(), 11);
    EXPECT_TRUE(Items("excludeColumns").isEmpty());
    EXPECT_EQ(options().Columns(qf::Opt::LISTINCLIS), qf::ReportColumns());
    EXPECT_EQ(options().Int(qf::Opt::LISTPRECHK), 0);

    // Settings loaded while the window is hidden appear when it is shown.
    options().SetColumns(qf::Opt::LISTINCLIS, {{6, "Folder"}});
    options().SetColumns(qf::Opt::LISTEXCLIS, {{4, "File name"}});
    options().SetInt(qf::Opt::LISTRESCHK, 0);
    reports->show();
    EXPECT_EQ(Items("includeColumns"), QStringList{"Folder"});
    EXPECT_EQ(Child<QListWidget>("excludeColumns")->item(0)->data(Qt::UserRole).toInt(), 4);
    EXPECT_FALSE(Child("includeColumns")->isEnabled());
}

}  // namespace
}  // namespace qftest
