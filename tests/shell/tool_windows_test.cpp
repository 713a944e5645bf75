// The log viewers, the statistics window and the message boxes.

#include <QApplication>
#include <QCheckBox>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <thread>

#include "archive/search_folders.h"
#include "shell/log_viewer_window.h"
#include "shell/message_boxes.h"
#include "shell/statistics_window.h"
#include "shell/temp_warning_dialog.h"
#include "window_fixture.h"

using namespace qf::shell;

namespace qftest {
namespace {

// The viewers read the final logs from the log folder of the current options, each time they are shown.
TEST_F(WindowTest, LogViewersShowTheFinalLogOfTheLogFolder) {
    const std::string logFolder = qf::SearchFoldersOf(options(), home.Path()).logFolder;
    WriteFile(logFolder + "/Pdfdefault.log", "Search started at : 01/02/2024  10:00:00\r\n\r\nPdf conversion OK  :    /a.pdf\r\n");
    window->ShowLog(qf::LogProcess::Pdf);
    LogViewerWindow& viewer = window->LogViewer(qf::LogProcess::Pdf);
    EXPECT_EQ(viewer.windowTitle(), QStringLiteral("See the Pdf log file"));
    EXPECT_EQ(viewer.Text(), QStringLiteral("Search started at : 01/02/2024  10:00:00\n\nPdf conversion OK  :    /a.pdf\n"));

    WriteFile(logFolder + "/Pdfdefault.log", "  \r\n");
    window->ShowLog(qf::LogProcess::Pdf);
    EXPECT_EQ(viewer.Text(), QStringLiteral(" No errors occur during the search process."));
}

TEST_F(WindowTest, LogMenuAndStatisticsViewButtonsOpenTheViewers) {
    window->findChild<QAction*>(IdName(kCmdUnzipLog))->trigger();
    EXPECT_FALSE(window->LogViewer(qf::LogProcess::Zip).isHidden());
    EXPECT_EQ(window->LogViewer(qf::LogProcess::Zip).Text(), QStringLiteral(" No search action was performed."));
    window->Statistics().findChild<QPushButton*>("view_word")->click();
    EXPECT_FALSE(window->LogViewer(qf::LogProcess::Word).isHidden());
    window->Statistics().findChild<QPushButton*>("view_office")->click();
    EXPECT_EQ(window->LogViewer(qf::LogProcess::Office).windowTitle(), QStringLiteral("See the Office log file"));
    EXPECT_FALSE(window->LogViewer(qf::LogProcess::Office).isHidden());
}

// The Office row stands only while Office documents are read.
TEST_F(WindowTest, StatisticsShowTheOfficeRowWhileItCounts) {
    StatisticsWindow& statistics = window->Statistics();
    qf::RunCounters counters;
    counters.nOfficeExamined = 3;
    counters.nOfficeFailed = 1;
    statistics.ShowCounters(qf::SearchStatistics{}, counters);
    EXPECT_EQ(statistics.FieldText("office_0"), QStringLiteral("3"));
    EXPECT_EQ(statistics.FieldText("office_2"), QStringLiteral("1"));
    options().SetInt(qf::Opt::CONVOFFICE, 0);
    statistics.Reset();
    EXPECT_TRUE(statistics.findChild<QPushButton*>("view_office")->isHidden());
    options().SetInt(qf::Opt::CONVOFFICE, 1);
    statistics.Reset();
    EXPECT_FALSE(statistics.findChild<QPushButton*>("view_office")->isHidden());
}

TEST_F(WindowTest, StatisticsOkStoresDoNotShowAgain) {
    StatisticsWindow& statistics = window->Statistics();
    EXPECT_EQ(statistics.windowTitle(), QStringLiteral("Statistics of the search process"));
    auto* box = statistics.findChild<QCheckBox*>("doNotShow");
    EXPECT_EQ(box->text(), QStringLiteral("Do not show this dialog again. "));
    box->setChecked(true);
    statistics.findChild<QPushButton*>("statisticsOk")->click();
    EXPECT_EQ(options().Int(qf::Opt::SUMSHWHIDE), 1);
    EXPECT_TRUE(statistics.isHidden());
}

TEST(TempWarningDialogTest, ButtonsGiveTheirChoice) {
    TempWarningDialog quit(false);
    quit.findChild<QPushButton*>("quit")->click();
    EXPECT_EQ(quit.Choice(), TempWarningChoice::Quit);
    TempWarningDialog go(true);
    EXPECT_TRUE(go.DontShowAgain());
    go.findChild<QPushButton*>("continue")->click();
    EXPECT_EQ(go.Choice(), TempWarningChoice::Continue);
    TempWarningDialog closed(false);
    closed.reject();
    EXPECT_EQ(closed.Choice(), TempWarningChoice::Closed);
}

// A worker's question waits for the box shown on the window thread.
TEST(MessageBoxesTest, AWorkerGetsTheAnswerGivenOnTheWindowThread) {
    MessageBoxes boxes;
    std::atomic<bool> done{false};
    qf::MsgAnswer answer = qf::MsgAnswer::Ok;
    QString caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool noIsDefault = false;
    // The box runs its own event loop: answer it from a timer inside that loop.
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        caption = box->windowTitle();
        icon = box->icon();
        noIsDefault = box->defaultButton() == box->button(QMessageBox::No);
        box->button(QMessageBox::Yes)->click();
    });
    answerer.start(20);
    std::thread worker([&] {
        answer = boxes.Show(qf::QuestionMessage("Warning !    Msg no: 0163-1.", "Sure ?"));
        done = true;
    });
    for (int i = 0; i < 500 && !done; ++i) QTest::qWait(10);
    worker.join();
    EXPECT_EQ(answer, qf::MsgAnswer::Yes);
    EXPECT_EQ(caption, QStringLiteral("Warning !    Msg no: 0163-1."));
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_TRUE(noIsDefault);

    boxes.SetClosing();
    EXPECT_EQ(boxes.Show(qf::QuestionMessage("c", "t")), qf::MsgAnswer::No);
}

}  // namespace
}  // namespace qftest
