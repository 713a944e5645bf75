// Takes one picture of the main window and of every dialog and tool window,
// for the gallery in docs/screenshots. Run it under a virtual display:
//   xvfb-run -s "-screen 0 1920x1200x24" build/quillfind-gallery docs/screenshots

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFontDatabase>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "engine/session.h"
#include "platform/user_messages.h"
#include "shell/boolean_assistant.h"
#include "shell/control_ids.h"
#include "shell/main_window.h"
#include "shell/statistics_window.h"
#include "shell/tavilan_view.h"
#include "shell/truth_table_window.h"

namespace {

using qf::shell::IdName;
using qf::shell::MainWindow;

class Gallery {
public:
    Gallery(MainWindow& window, QString folder) : window_(window), folder_(std::move(folder)) {}

    // A window at the size it opens with, else at its natural size.
    void Save(QWidget& widget, const QString& name) {
        if (!widget.testAttribute(Qt::WA_Resized)) widget.adjustSize();
        QApplication::processEvents();
        Write(widget.grab(), name);
    }

    // What the screen shows in `area`: several windows in one picture.
    void SaveScreen(const QRect& area, const QString& name) {
        QApplication::processEvents();
        QScreen* screen = QGuiApplication::primaryScreen();
        Write(screen ? screen->grabWindow(0, area.x(), area.y(), area.width(), area.height()) : QPixmap(), name);
    }

    void Write(const QPixmap& picture, const QString& name) {
        const QString path = folder_ + QLatin1Char('/') + name + QStringLiteral(".png");
        const bool saved = !picture.isNull() && picture.save(path);
        std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
        if (!saved) ++failures_;
    }

    // Presses `trigger`; the modal dialog it opens is pictured, `inside` may open
    // further dialogs from it, then it is closed.
    void Modal(const QString& name, const std::function<void()>& trigger,
               const std::function<void(QWidget&)>& inside = {}) {
        QTimer::singleShot(500, [this, name, inside] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog) {
                std::printf("FAILED no dialog for %s\n", qPrintable(name));
                ++failures_;
                return;
            }
            Save(*dialog, name);
            if (inside) inside(*dialog);
            Close(*dialog);
        });
        trigger();
        QApplication::processEvents();
    }

    // Presses `trigger` and pictures the tool window with `title` that it shows.
    void Modeless(const QString& name, const QString& title, const std::function<void()>& trigger) {
        trigger();
        Wait(300);
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->isVisible() && top != &window_ && top->windowTitle() == title) {
                Save(*top, name);
                top->hide();
                return;
            }
        }
        std::printf("FAILED no window \"%s\" for %s\n", qPrintable(title), qPrintable(name));
        ++failures_;
    }

    void Click(int id) {
        if (auto* button = window_.findChild<QAbstractButton*>(IdName(id))) button->click();
    }
    void Menu(int id) {
        if (auto* action = window_.findChild<QAction*>(IdName(id))) action->trigger();
    }
    static void ClickIn(QWidget& parent, const QString& text) {
        for (auto* button : parent.findChildren<QAbstractButton*>())
            if (button->text().trimmed() == text) {
                button->click();
                return;
            }
    }
    static void Wait(int ms) {
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();
    }
    int Failures() const { return failures_; }

private:
    static void Close(QWidget& dialog) {
        if (auto* d = qobject_cast<QDialog*>(&dialog))
            d->done(QDialog::Rejected);
        else
            dialog.close();
    }

    MainWindow& window_;
    QString folder_;
    int failures_ = 0;
};

void RunSampleSearch(MainWindow& window, qf::Session& session, const QString& samples) {
    qf::Options& o = session.state.options;
    o.SetList(qf::Opt::DIRECTORIS, {samples.toStdString()});
    o.SetInt(qf::Opt::WARNINGTMP, 1);
    o.SetInt(qf::Opt::SEARCHENDC, 0);
    o.SetInt(qf::Opt::SEARCHENDB, 0);
    auto* box = window.findChild<QComboBox*>(IdName(qf::shell::kIdStandardBox));
    box->setEditText(QStringLiteral("needle"));
    QEventLoop loop;
    QObject::connect(&window, &MainWindow::searchEnded, &loop, &QEventLoop::quit);
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    window.findChild<QAbstractButton*>(IdName(qf::shell::kIdSearch))->click();
    loop.exec();
}

// A tree of `files` files, 100 to a folder, one in twelve with two hit lines.
void MakeLargeTree(const QString& root, int files) {
    for (int f = 0; f < files; ++f) {
        const QString folder = root + QStringLiteral("/dir%1").arg(f / 100);
        if (f % 100 == 0) QDir().mkpath(folder);
        QFile file(folder + QStringLiteral("/file%1.txt").arg(f));
        if (!file.open(QIODevice::WriteOnly)) continue;
        for (int n = 0; n < 20; ++n) {
            if (f % 12 == 0 && n < 2) file.write("this line holds the needle somewhere in the middle\n");
            file.write("a quiet line in between\n");
        }
    }
}

// The main window while a search runs over a large tree: rows arriving, the
// status line counting, the statistics window beside it and Stop in reach.
void SearchInProgress(Gallery& g, MainWindow& window, qf::Session& session) {
    QTemporaryDir tree;
    MakeLargeTree(tree.path(), 40000);
    qf::Options& o = session.state.options;
    o.SetList(qf::Opt::DIRECTORIS, {tree.path().toStdString()});
    o.SetInt(qf::Opt::SUMSHWHIDE, 0);
    o.SetInt(qf::Opt::WARNINGTMP, 1);
    o.SetInt(qf::Opt::DISPLAYDUR, 1);
    o.SetInt(qf::Opt::DISPLAYATE, 0);
    QEventLoop loop;
    QObject::connect(&window, &MainWindow::searchEnded, &loop, &QEventLoop::quit);
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);
    QTimer poll;
    bool taken = false;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (taken || !window.Searching() || window.Statistics().isHidden()) return;
        if (session.counters.nResultLines < 400) return;
        taken = true;
        const QRect area = window.frameGeometry().united(window.Statistics().frameGeometry());
        g.SaveScreen(area, QStringLiteral("search_in_progress"));
        window.Stop();
    });
    poll.start(20);
    window.findChild<QAbstractButton*>(IdName(qf::shell::kIdStandardQuery))->click();
    window.findChild<QComboBox*>(IdName(qf::shell::kIdStandardBox))->setEditText(QStringLiteral("needle"));
    window.findChild<QAbstractButton*>(IdName(qf::shell::kIdSearch))->click();
    loop.exec();
    if (!taken) g.Write(QPixmap(), QStringLiteral("search_in_progress"));
}

void TakePictures(Gallery& g, MainWindow& window, qf::Session& session) {
    using namespace qf::shell;
    g.Save(window, QStringLiteral("main_window"));
    g.Modal(QStringLiteral("folders"), [&] { g.Click(kIdSelectFolders); });
    g.Modal(QStringLiteral("file_types"), [&] { g.Click(kIdSelectFiles); });
    g.Modal(QStringLiteral("text_options"), [&] { g.Click(kIdTextOptions); }, [&](QWidget& d) {
        g.Modal(QStringLiteral("delimiters"), [&] { Gallery::ClickIn(d, QStringLiteral("Manage delimiters")); });
        g.Modal(QStringLiteral("comment_characters"), [&] { Gallery::ClickIn(d, QStringLiteral("Manage characters")); });
    });
    g.Modal(QStringLiteral("date_time"), [&] { g.Click(kIdDateTimeSize); });
    g.Modal(QStringLiteral("check_tavilan"), [&] { g.Click(kIdCheckTavilan); });
    g.Modal(QStringLiteral("log_center"), [&] { g.Click(kIdLogCenter); });
    g.Modal(QStringLiteral("smart_copy"), [&] { g.Click(kIdSmartCopy); });
    g.Modal(QStringLiteral("preferences"), [&] { g.Menu(kCmdPreferences); });
    g.Modal(QStringLiteral("about"), [&] { g.Menu(kCmdAbout); });
    session.state.options.SetInt(qf::Opt::WARNINGTMP, 0);  // closing the warning starts no search
    g.Modal(QStringLiteral("temp_warning"), [&] { g.Click(kIdSearch); });
    g.Modeless(QStringLiteral("managing_results"), QStringLiteral("Managing  results"), [&] { g.Click(kIdGroupSort); });
    g.Modeless(QStringLiteral("reports"), QStringLiteral("Show/Save/Open user configurable dynamic Extracts/Reports"),
               [&] { g.Click(kIdExtractReports); });
    g.Modeless(QStringLiteral("statistics"), QStringLiteral("Statistics of the search process"),
               [&] { g.Click(kIdStatistics); });
    g.Modeless(QStringLiteral("boolean_assistant"),
               QStringLiteral("Boolean assistant for Boolean and Micro (line) Boolean Text Query."),
               [&] { g.Click(kIdBooleanQuery); });
    g.Modeless(QStringLiteral("truth_table"),
               QStringLiteral("Boolean Truth Table - two arguments (excluding .NOT. operator, which is a "
                              "function-operator of one argument)."),
               [&] { window.Assistant().TruthTable().show(); });
    g.Modeless(QStringLiteral("show_tavilan"), QStringLiteral("Show Tavilan"), [&] {
        window.Tavilan().Refresh();
        window.Tavilan().show();
    });
    g.Modeless(QStringLiteral("record_view"), QStringLiteral("Search results in record view."),
               [&] { g.Click(kIdRecordView); });
    g.Modeless(QStringLiteral("copy_log"), QStringLiteral("See the Copy log file"), [&] { g.Menu(kCmdCopyLog); });
    g.Modeless(QStringLiteral("help"), QStringLiteral("Quillfind help"), [&] { g.Menu(kCmdQuickStart); });
    SearchInProgress(g, window, session);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: quillfind-gallery OUTPUT_FOLDER [SAMPLES_FOLDER]\n");
        return 2;
    }
    const QString out = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    const QString samples = QDir(QString::fromLocal8Bit(argc > 2 ? argv[2] : "samples")).absolutePath();
    QDir().mkpath(out);
    QTemporaryDir home;
    qf::Session session(home.path().toStdString());
    qf::RecordingMessages messages;
    MainWindow window(session, messages);
    window.move(0, 0);
    window.show();
    RunSampleSearch(window, session, samples);
    Gallery gallery(window, out);
    TakePictures(gallery, window, session);
    for (const qf::Message& m : messages.Messages())
        std::printf("message: %s | %s\n", m.caption.c_str(), m.text.c_str());
    return gallery.Failures() == 0 ? 0 : 1;
}
