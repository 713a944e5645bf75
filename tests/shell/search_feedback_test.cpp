// What the window shows while a search runs and when it ends: progress in
// the status line, Stop within reach, the keys, and a usable window behind
// the end message.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QThread>

#include "shell/result_model.h"
#include "shell/search_bridge.h"
#include "shell/statistics_window.h"
#include "shell/tool_window_placement.h"
#include "window_fixture.h"

using namespace qf::shell;

namespace qftest {
namespace {

class FeedbackTest : public WindowTest {
protected:
    void ManyFiles(int folders, int files) {
        for (int f = 0; f < folders; ++f)
            for (int i = 0; i < files; ++i)
                WriteFile(data / ("d" + std::to_string(f) + "/f" + std::to_string(i) + ".txt"), "needle\n");
        options().SetList(qf::Opt::DIRECTORIS, {data.Path()});
        Control<QComboBox>(kIdStandardBox)->setEditText(QStringLiteral("needle"));
    }
    QLabel* Status() { return window->findChild<QLabel*>(QStringLiteral("statusLine")); }
    QRect OnScreen(QWidget* w) { return QRect(w->mapToGlobal(QPoint(0, 0)), w->size()); }
};

TEST(ToolWindowPosition, BesideTheMainWindowElseClearOfStopAndTheTable) {
    PlacementAreas a;
    a.main = QRect(0, 0, 1044, 740);
    a.buttons = QRect(930, 60, 110, 90);
    a.table = QRect(10, 330, 1030, 230);
    const QSize tool(600, 420);

    a.screen = QRect(0, 0, 1920, 1080);
    EXPECT_EQ(ToolWindowPosition(tool, a), QPoint(1052, 0));
    a.main.moveLeft(800);
    a.buttons.moveLeft(1730);
    a.table.moveLeft(810);
    EXPECT_EQ(ToolWindowPosition(tool, a), QPoint(800 - 8 - 600, 0));

    // A screen the main window fills: the lower right, never over the buttons.
    a.screen = QRect(0, 0, 1024, 768);
    a.main = QRect(0, 0, 1024, 768);
    a.buttons = QRect(910, 60, 110, 90);
    a.table = QRect(10, 330, 1010, 230);
    QRect placed(ToolWindowPosition(tool, a), tool);
    EXPECT_FALSE(placed.intersects(a.buttons));
    EXPECT_TRUE(a.screen.contains(placed));
    // Room below the table: the table stays free too.
    const QSize small(400, 150);
    placed = QRect(ToolWindowPosition(small, a), small);
    EXPECT_FALSE(placed.intersects(a.table));
    EXPECT_FALSE(placed.intersects(a.buttons));
    EXPECT_EQ(placed.right(), a.main.right());
}

// Wherever the window system would put it (here: over Stop), the statistics
// window of a search leaves Search and Stop free; so it does when shown again
// after it was moved there.
TEST_F(FeedbackTest, TheStatisticsWindowOfASearchLeavesStopFree) {
    ManyFiles(1, 5);
    options().SetInt(qf::Opt::SUMSHWHIDE, 0);
    StatisticsWindow& statistics = window->Statistics();
    const auto overStop = [&] { statistics.move(OnScreen(Control(kIdStop)).center() - QPoint(40, 20)); };
    for (int run = 0; run < 2; ++run) {
        statistics.hide();
        overStop();
        ASSERT_TRUE(statistics.frameGeometry().intersects(OnScreen(Control(kIdStop)))) << run;
        ASSERT_TRUE(SearchAndWait());
        ASSERT_TRUE(statistics.isVisible());
        const QRect frame = statistics.frameGeometry();
        EXPECT_FALSE(frame.intersects(OnScreen(Control(kIdStop)))) << run;
        EXPECT_FALSE(frame.intersects(OnScreen(Control(kIdSearch)))) << run;
    }
}

// F5 searches from anywhere, Enter in the query box too, Escape stops.
TEST_F(FeedbackTest, KeysStartAndStopASearch) {
    ManyFiles(4, 400);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QSignalSpy ended(window.get(), &MainWindow::searchEnded);
    QTest::keyClick(window.get(), Qt::Key_F5);
    EXPECT_TRUE(window->Searching());
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_EQ(session.bStopRequest.load(), 1);
    ASSERT_TRUE(ended.wait(20000));
    EXPECT_LT(session.results.Size(), 1600u);

    QLineEdit* query = Control<QComboBox>(kIdStandardBox)->lineEdit();
    QTest::keyClick(query, Qt::Key_Return);
    EXPECT_TRUE(window->Searching());
    ASSERT_TRUE(ended.wait(20000));
    EXPECT_EQ(session.results.Size(), 1600u);
    EXPECT_EQ(Control<QComboBox>(kIdStandardBox)->count(), 1);  // the history took the query once
}

// "All at once" shows no rows until the end; the status line counts meanwhile.
TEST_F(FeedbackTest, TheStatusLineCountsWhileTheTableWaits) {
    ManyFiles(3, 300);
    options().SetInt(qf::Opt::DISPLAYDUR, 0);
    options().SetInt(qf::Opt::DISPLAYATE, 1);
    auto* bridge = window->findChild<SearchBridge*>();
    ASSERT_NE(bridge, nullptr);
    std::vector<std::pair<QString, int>> seen;  // the status line and the rows shown then
    // Queued after the window's own handler of the same report.
    QObject::connect(bridge, &SearchBridge::countersChanged, window.get(), [&] {
        if (window->Searching()) seen.emplace_back(Status()->text(), window->Model().rowCount());
    });
    ASSERT_TRUE(SearchAndWait());
    const QRegularExpression progress(QStringLiteral("^\\S.* ...   (\\d+) result lines? in \\d+ files?   .*d[0-2]$"));
    ASSERT_FALSE(seen.empty());
    // Lines counted while the table still shows none, and the folder named.
    EXPECT_TRUE(std::any_of(seen.begin(), seen.end(), [&](const auto& s) {
        const QRegularExpressionMatch m = progress.match(s.first);
        return s.second == 0 && m.hasMatch() && m.captured(1).toInt() > 0;
    })) << seen.front().first.toStdString();
    EXPECT_EQ(Status()->text(), QStringLiteral("End of search !!! "));
}

// Shows each message on the window thread, as the program's boxes do, and
// lets the test look at the window meanwhile.
class WindowThreadMessages : public qf::UserMessages {
public:
    std::function<void(const qf::Message&)> whileShown;
    qf::MsgAnswer Show(const qf::Message& message) override {
        if (QThread::currentThread() == qApp->thread()) {
            if (whileShown) whileShown(message);
        } else {
            QMetaObject::invokeMethod(
                qApp, [&] { if (whileShown) whileShown(message); }, Qt::BlockingQueuedConnection);
        }
        return message.defaultAnswer;
    }
    void Beep() override {}
};

TEST(EndOfSearch, TheWindowIsUsableBehindTheEndMessageOfAStoppedSearch) {
    TempDir home, data;
    for (int i = 0; i < 1500; ++i) WriteFile(data / ("f" + std::to_string(i) + ".txt"), "needle\n");
    qf::Session session(home.Path());
    WindowThreadMessages messages;
    MainWindow window(session, messages);
    qf::Options& o = session.state.options;
    o.SetInt(qf::Opt::WARNINGTMP, 1);
    o.SetInt(qf::Opt::SEARCHENDC, 1);
    o.SetList(qf::Opt::DIRECTORIS, {data.Path()});
    window.show();
    window.findChild<QComboBox*>(IdName(kIdStandardBox))->setEditText(QStringLiteral("needle"));
    auto* search = window.findChild<QPushButton*>(IdName(kIdSearch));
    auto* status = window.findChild<QLabel*>(QStringLiteral("statusLine"));

    std::vector<std::string> texts;
    bool searchUsable = false;
    QString statusShown;
    messages.whileShown = [&](const qf::Message& m) {
        texts.push_back(m.text);
        if (texts.size() > 1) return;
        searchUsable = search->isEnabled();
        statusShown = status->text();
        search->click();  // the run is still writing its logs: this search waits for it
    };
    QSignalSpy ended(&window, &MainWindow::searchEnded);
    search->click();
    window.findChild<QPushButton*>(IdName(kIdStop))->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return ended.count() == 2; }, 20000));

    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], "End of search !!!");
    EXPECT_TRUE(searchUsable);
    EXPECT_TRUE(statusShown.startsWith(QStringLiteral("Stopped by the user   "))) << statusShown.toStdString();
    EXPECT_TRUE(statusShown.contains(QStringLiteral(" in "))) << statusShown.toStdString();
    EXPECT_EQ(session.results.Size(), 1500u);  // the second search ran to its end
    EXPECT_EQ(status->text(), QStringLiteral("End of search !!! "));
}

}  // namespace
}  // namespace qftest
