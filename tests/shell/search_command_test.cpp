// The Search and Stop commands driven through the window, over real files.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTextCursor>
#include <QTextEdit>
#include <QUrl>
#include <cstdio>

#include "results/open_result.h"

#include "shell/record_view_window.h"
#include "shell/result_clicks.h"
#include "shell/result_model.h"
#include "shell/statistics_window.h"
#include "window_fixture.h"

using namespace qf::shell;

namespace qftest {
namespace {

class SearchTest : public WindowTest {
protected:
    void SetUpFolder(int files, const std::string& content) {
        for (int i = 0; i < files; ++i) WriteFile(data / ("f" + std::to_string(1000 + i) + ".txt"), content);
        options().SetList(qf::Opt::DIRECTORIS, {data.Path()});
    }
    void Query(const char* text) { Control<QComboBox>(kIdStandardBox)->setEditText(QString::fromLatin1(text)); }
    void OneByOne(bool on) {
        options().SetInt(qf::Opt::DISPLAYDUR, on);
        options().SetInt(qf::Opt::DISPLAYATE, !on);
    }
    QAction* MenuItem(int id) { return window->findChild<QAction*>(IdName(id)); }
};

TEST_F(SearchTest, SearchDisablesTheControlsAndRestoresThemAtTheEnd) {
    SetUpFolder(3, "one alpha line\nnothing here\n");
    Query("alpha");
    QSignalSpy ended(window.get(), &MainWindow::searchEnded);
    Click(kIdSearch);
    // The run's end arrives through the event loop: until then the window is searching.
    EXPECT_FALSE(Control(kIdSearch)->isEnabled());
    EXPECT_FALSE(Control(kIdModeGroup)->isEnabled());
    EXPECT_FALSE(Control(kIdStandardBox)->isEnabled());
    EXPECT_FALSE(Control(kIdRecordView)->isEnabled());
    EXPECT_TRUE(Control(kIdStop)->isEnabled());
    EXPECT_TRUE(Control(kIdStatistics)->isEnabled());
    EXPECT_TRUE(Control(kIdLogCenter)->isEnabled());
    EXPECT_TRUE(Control(kIdSmartCopy)->isEnabled());
    EXPECT_TRUE(Control(kIdCheckTavilan)->isHidden());
    EXPECT_FALSE(Control(kIdShowTavilan)->isHidden());
    EXPECT_FALSE(MenuItem(kCmdSaveSettings)->isEnabled());

    ASSERT_TRUE(ended.wait(20000));
    EXPECT_TRUE(Control(kIdSearch)->isEnabled());
    EXPECT_TRUE(Control(kIdModeGroup)->isEnabled());
    EXPECT_TRUE(Control(kIdStandardBox)->isEnabled());
    EXPECT_TRUE(Control(kIdRecordView)->isEnabled());
    EXPECT_FALSE(Control(kIdBooleanEditor)->isEnabled());
    EXPECT_FALSE(Control(kIdCheckTavilan)->isHidden());
    EXPECT_TRUE(Control(kIdShowTavilan)->isHidden());
    EXPECT_TRUE(MenuItem(kCmdSaveSettings)->isEnabled());
    EXPECT_TRUE(MenuItem(kCmdPreferences)->isEnabled());
    EXPECT_EQ(window->findChild<QLabel*>("statusLine")->text(), QStringLiteral("End of search !!! "));
}

TEST_F(SearchTest, OneByOneShowsRowsWhileTheSearchRuns) {
    SetUpFolder(3, "one alpha line\nalpha again\n");
    Query("alpha");
    OneByOne(true);
    QSignalSpy inserted(&window->Model(), &QAbstractItemModel::rowsInserted);
    ASSERT_TRUE(SearchAndWait());
    EXPECT_GE(inserted.count(), 1);
    ASSERT_EQ(window->Model().rowCount(), 6);
    EXPECT_EQ(window->Model().index(0, 7).data().toString(), QStringLiteral("f1000.txt"));
    EXPECT_EQ(window->Model().index(0, 24).data().toString(), QStringLiteral("one alpha line"));
    EXPECT_EQ(window->Model().index(0, 27).data().toString(), QStringLiteral("FIC"));
    // The statistics window kept count: one folder and three files examined by the content search.
    EXPECT_EQ(window->Statistics().FieldText("stat_4_5"), QStringLiteral("1"));
    EXPECT_EQ(window->Statistics().FieldText("stat_4_4"), QStringLiteral("3"));
    EXPECT_EQ(window->Statistics().FieldText("stat_4_1"), QStringLiteral("6"));
    EXPECT_FALSE(window->Statistics().FieldText("startTime").isEmpty());
    EXPECT_FALSE(window->Statistics().FieldText("endTime").isEmpty());
    EXPECT_EQ(window->Statistics().FieldText("stat_4_0"), QStringLiteral("6"));   // hits
    EXPECT_EQ(window->Statistics().FieldText("stat_4_2"), QStringLiteral("3"));   // found in files
    EXPECT_EQ(window->Statistics().FieldText("stat_4_3"), QStringLiteral("1"));   // found in folders
    EXPECT_EQ(window->Statistics().FieldText("type_2_0"), QStringLiteral("3"));   // Txt examined
    EXPECT_EQ(window->Statistics().FieldText("type_2_1"), QStringLiteral("3"));   // Txt found
    EXPECT_EQ(window->Statistics().FieldText("sumExamined"), QStringLiteral("3"));
    EXPECT_EQ(window->Statistics().findChild<QLabel*>("phase")->text(), QStringLiteral("End of search !!! "));
    EXPECT_FALSE(window->Statistics().isHidden());
}

// Files whose later lines the Line/File limit left unread are counted in the
// statistics window and told on the status line at the end.
TEST_F(SearchTest, FilesCutAtTheLineLimitAreTold) {
    SetUpFolder(2, "alpha\nalpha\n");
    options().SetInt(qf::Opt::RESLINENUM, 1);
    Query("alpha");
    ASSERT_TRUE(SearchAndWait());
    EXPECT_EQ(window->Statistics().FieldText("lineLimit"), QStringLiteral("2"));
    EXPECT_EQ(window->Statistics().FieldText("unreadable_0"), QStringLiteral("0"));
    EXPECT_EQ(window->findChild<QLabel*>("statusLine")->text(),
              QStringLiteral("End of search !!!  2 files reached the Line/File limit; their later lines were not read"));
}

TEST_F(SearchTest, AllAtOnceShowsTheRowsOnlyAtTheEnd) {
    SetUpFolder(2, "alpha\n");
    Query("alpha");
    OneByOne(false);
    QSignalSpy inserted(&window->Model(), &QAbstractItemModel::rowsInserted);
    ASSERT_TRUE(SearchAndWait());
    EXPECT_EQ(inserted.count(), 0);
    EXPECT_EQ(window->Model().rowCount(), 2);
}

TEST_F(SearchTest, StopEndsARunningSearchEarly) {
    SetUpFolder(1500, "needle\n");
    Query("needle");
    QSignalSpy ended(window.get(), &MainWindow::searchEnded);
    Click(kIdSearch);
    Click(kIdStop);
    ASSERT_TRUE(ended.wait(20000));
    EXPECT_LT(session.results.Size(), 1500u);
    EXPECT_TRUE(Control(kIdSearch)->isEnabled());
}

TEST_F(SearchTest, StopWhileIdleChangesNothing) {
    SetUpFolder(1, "alpha\n");
    Query("alpha");
    Click(kIdStop);
    EXPECT_EQ(messages.Count(), 0u);
    ASSERT_TRUE(SearchAndWait());
    EXPECT_EQ(session.results.Size(), 1u);
}

TEST_F(SearchTest, QuitInTheTemporaryFolderWarningStartsNoSearch) {
    SetUpFolder(1, "alpha\n");
    Query("alpha");
    options().SetInt(qf::Opt::WARNINGTMP, 0);
    int asked = 0;
    TempWarningChoice answer = TempWarningChoice::Quit;
    window->askTempWarning = [&](bool& dontShowAgain) {
        ++asked;
        dontShowAgain = true;
        return answer;
    };
    Click(kIdSearch);
    Click(kIdSearch);
    EXPECT_EQ(asked, 2);
    EXPECT_FALSE(session.running);
    EXPECT_TRUE(Control(kIdSearch)->isEnabled());
    EXPECT_EQ(options().Int(qf::Opt::WARNINGTMP), 0);

    answer = TempWarningChoice::Continue;
    ASSERT_TRUE(SearchAndWait());
    EXPECT_EQ(options().Int(qf::Opt::WARNINGTMP), 1);
    ASSERT_TRUE(SearchAndWait());
    EXPECT_EQ(asked, 3);
}

TEST_F(SearchTest, RefusedSearchesLeaveTheWindowIdle) {
    Query("alpha");
    Click(kIdSearch);  // no folder chosen
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no:0088");
    EXPECT_TRUE(Control(kIdSearch)->isEnabled());

    SetUpFolder(1, "alpha\n");
    window->prepareWorkingFolders = [](qf::Session&) { return false; };
    Click(kIdSearch);
    EXPECT_FALSE(session.running);
    EXPECT_TRUE(Control(kIdSearch)->isEnabled());
}

// A hit is its term's colour behind the text.
QColor ColourAt(QTextEdit& edit, int position) {
    QTextCursor cursor(edit.document());
    cursor.setPosition(position + 1);  // the format of the character before the cursor
    return cursor.charFormat().background().color();
}

// The hit line with up to two lines above and below it (line 1 has only one above it).
TEST_F(SearchTest, TheFirstRowIsPreviewedWithItsHitsColoured) {
    SetUpFolder(1, "before\nsay alpha and beta\nafter\nlast\nbeyond\n");
    Query("alpha beta");
    ASSERT_TRUE(SearchAndWait());
    auto* preview = Control<QTextEdit>(kIdPreview);
    const QString text = preview->toPlainText();
    ASSERT_EQ(text, QStringLiteral("before\nsay alpha and beta\nafter\nlast\n"));
    EXPECT_EQ(ColourAt(*preview, int(text.indexOf("alpha"))), QColor(255, 0, 0));
    EXPECT_EQ(ColourAt(*preview, int(text.indexOf("alpha")) + 4), QColor(255, 0, 0));
    EXPECT_EQ(ColourAt(*preview, int(text.indexOf("beta"))), QColor(0, 255, 0));
    EXPECT_NE(ColourAt(*preview, int(text.indexOf("alpha")) + 5), QColor(255, 0, 0));
    EXPECT_NE(ColourAt(*preview, int(text.indexOf("say"))), QColor(255, 0, 0));
    EXPECT_TRUE(preview->isReadOnly());
}

// The edit counts UTF-16 units: characters outside the BMP before a hit must not shift its colour.
TEST_F(SearchTest, HitsAfterWideCharactersAreColouredWhereTheyStand) {
    options().SetInt(qf::Opt::ABOVERESNO, 0);
    options().SetInt(qf::Opt::BELOWRESNO, 0);
    SetUpFolder(1, "caf\xC3\xA9 \xF0\x9F\x98\x80 alpha\n");
    Query("alpha");
    ASSERT_TRUE(SearchAndWait());
    auto* preview = Control<QTextEdit>(kIdPreview);
    const QString text = preview->toPlainText();
    const int hit = int(text.indexOf(QStringLiteral("alpha")));
    ASSERT_EQ(hit, 8);  // "café " is 5 units, the emoji 2, then a blank
    EXPECT_NE(ColourAt(*preview, hit - 1), QColor(255, 0, 0));
    EXPECT_EQ(ColourAt(*preview, hit), QColor(255, 0, 0));
    EXPECT_EQ(ColourAt(*preview, hit + 4), QColor(255, 0, 0));
    EXPECT_EQ(text.size(), hit + 6);  // the hit line and its line break
}

TEST_F(SearchTest, AFileGoneSinceTheSearchKeepsThePreviewAndSays0067) {
    SetUpFolder(2, "alpha\n");
    Query("alpha");
    ASSERT_TRUE(SearchAndWait());
    auto* preview = Control<QTextEdit>(kIdPreview);
    const QString before = preview->toPlainText();
    std::remove((data / "f1001.txt").c_str());
    messages.Clear();
    window->Clicks().Clicked(1);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Error !    Msg no: 0067.");
    EXPECT_EQ(preview->toPlainText(), before);
}

class OpenTest : public SearchTest {
protected:
    void SetUp() override {
        SetUpFolder(1, "alpha\n");
        Query("alpha");
        Click(kIdOpenDefaultApp);
        desktop().openUrl = [this](const QUrl& url) {
            opened << url.toLocalFile();
            return openSucceeds;
        };
        desktop().startDetached = [this](const QString& program, const QStringList& arguments) {
            started << program + " " + arguments.join(' ');
            return true;
        };
        desktop().editor.clear();
    }
    QtDesktopOpener& desktop() { return window->Clicks().desktop; }

    QStringList opened;
    QStringList started;
    bool openSucceeds = true;
};

TEST_F(OpenTest, DefaultApplicationModeOpensTheFileInsteadOfPreviewing) {
    ASSERT_TRUE(SearchAndWait());
    EXPECT_TRUE(opened.isEmpty());  // the end of a search never opens a file by itself
    window->Clicks().Clicked(0);
    EXPECT_EQ(opened, QStringList{QString::fromStdString(data / "f1000.txt")});
    EXPECT_TRUE(started.isEmpty());
    EXPECT_TRUE(Control<QTextEdit>(kIdPreview)->toPlainText().isEmpty());
    EXPECT_EQ(messages.Count(), 0u);
}

// "open" failing falls back to the user's editor, started without waiting for it.
TEST_F(OpenTest, WithoutADesktopHandlerTheEditorOpensTheFile) {
    ASSERT_TRUE(SearchAndWait());
    openSucceeds = false;
    desktop().editor = {"vi", "-R"};
    window->Clicks().DoubleClicked(0);
    EXPECT_EQ(opened.size(), 1);
    EXPECT_EQ(started, QStringList{QStringLiteral("vi -R ") + QString::fromStdString(data / "f1000.txt")});
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(OpenTest, NothingToOpenWithSays193) {
    ASSERT_TRUE(SearchAndWait());
    openSucceeds = false;
    window->Clicks().Clicked(0);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "ShellExecute Warnings !    Msg no: 193.");
    EXPECT_EQ(messages.Last().text, std::string(qf::OpenFailureText(qf::kOpenNoAssociation)));

    std::remove((data / "f1000.txt").c_str());
    messages.Clear();
    window->Clicks().Clicked(0);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, std::string(qf::OpenFailureText(qf::kOpenFileNotFound)));
    EXPECT_EQ(opened.size(), 1);  // a missing file never reaches the desktop
}

TEST_F(SearchTest, RecordViewShowsTheClickedRowBesideItsLabels) {
    SetUpFolder(3, "x alpha\n");
    Query("alpha");
    ASSERT_TRUE(SearchAndWait());
    Click(kIdRecordView);
    ASSERT_TRUE(Control<QCheckBox>(kIdRecordView)->isChecked());
    window->Clicks().Clicked(1);
    RecordViewWindow& view = window->RecordView();
    EXPECT_FALSE(view.isHidden());
    EXPECT_EQ(view.ValueText(0), QStringLiteral("alpha"));
    EXPECT_EQ(view.ValueText(1), QStringLiteral("x alpha"));
    EXPECT_EQ(view.ValueText(2), QStringLiteral("1/1"));
    EXPECT_EQ(view.ValueText(3), QStringLiteral("2/3"));
    EXPECT_EQ(view.ValueText(6), QStringLiteral("f1001.txt"));
    // The hit is coloured in both the first-hit text and the full line.
    const QString text = view.Text().toPlainText();
    EXPECT_EQ(ColourAt(view.Text(), int(text.indexOf("alpha"))), QColor(255, 0, 0));
    EXPECT_EQ(ColourAt(view.Text(), int(text.indexOf("x alpha")) + 2), QColor(255, 0, 0));
    EXPECT_NE(ColourAt(view.Text(), int(text.indexOf("x alpha"))), QColor(255, 0, 0));

    Click(kIdRecordView);
    EXPECT_TRUE(view.isHidden());
}

TEST_F(SearchTest, ClickWithoutResultsWarns) {
    SetUpFolder(1, "alpha\n");
    Query("alpha");
    ASSERT_TRUE(SearchAndWait());
    messages.Clear();
    window->Clicks().Clicked(-1);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 0066.");
}

}  // namespace
}  // namespace qftest
