// Does the main window keep answering while a "one by one" search fills the
// result list up to the display limit? Builds a temporary tree of files with
// a few hit lines each, clicks Search in the real window (offscreen) and
// watches a 1 ms timer on the window thread: each gap between two timeouts,
// less the 1 ms period, is a stretch during which the window could not
// answer the user. A gap above 100 ms is a visible freeze. The slowest
// events of the window thread are listed with the processor time they used:
// a large difference means the thread was waiting (a lock, other threads).
//
//   ui_responsiveness [files] [hit lines per file]     (default 2000 x 5)

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <time.h>
#include <vector>

#include "engine/session.h"
#include "platform/user_messages.h"
#include "shell/control_ids.h"
#include "shell/main_window.h"
#include "shell/result_model.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kRowLimit = 10000;
constexpr double kFreezeMs = 100.0;

// A fresh folder under the system temp folder, removed with its content.
class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (fs::temp_directory_path() / "quillfind-ui-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data())) {
            std::perror("mkdtemp");
            std::exit(1);
        }
        path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
};

// files x linesPerFile hit lines, 100 files to a subfolder, a line without
// a hit between two hit lines.
void MakeTree(const fs::path& root, int files, int linesPerFile) {
    for (int f = 0; f < files; ++f) {
        const fs::path folder = root / ("dir" + std::to_string(f / 100));
        fs::create_directories(folder);
        std::ofstream out(folder / ("file" + std::to_string(f) + ".txt"));
        for (int n = 0; n < linesPerFile; ++n)
            out << "line " << n << " of file " << f << " holds the needle somewhere in the middle\n"
                << "a quiet line in between\n";
    }
}

// Gaps between consecutive timeouts of a 1 ms timer, in milliseconds.
class GapRecorder {
public:
    GapRecorder() {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(1);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            const auto now = Clock::now();
            gaps_.push_back(std::chrono::duration<double, std::milli>(now - last_).count());
            last_ = now;
        });
    }
    void Start() {
        gaps_.clear();
        last_ = Clock::now();
        timer_.start();
    }
    // Stops and returns the gaps, the one still open included.
    std::vector<double> Stop() {
        timer_.stop();
        gaps_.push_back(std::chrono::duration<double, std::milli>(Clock::now() - last_).count());
        return std::move(gaps_);
    }

private:
    QTimer timer_;
    std::vector<double> gaps_;
    Clock::time_point last_;
};

struct GapFigures {
    size_t count = 0;
    double longest = 0;
    double p99 = 0;
    int overFreeze = 0;
};

GapFigures Summarise(std::vector<double> gaps) {
    GapFigures g;
    if (gaps.empty()) return g;
    std::sort(gaps.begin(), gaps.end());
    g.count = gaps.size();
    g.longest = gaps.back();
    const size_t rank = std::max<size_t>(1, size_t(std::ceil(0.99 * double(gaps.size()))));
    g.p99 = gaps[rank - 1];
    g.overFreeze = int(std::count_if(gaps.begin(), gaps.end(), [](double ms) { return ms > kFreezeMs; }));
    return g;
}

double ThreadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Times every event the window thread dispatches from its loop (nested
// deliveries count within their outer event) and keeps the slowest ones.
class TimedApplication : public QApplication {
public:
    using QApplication::QApplication;

    struct Slow {
        double ms;
        double cpuMs;  // of the window thread: the rest was spent waiting
        int type;
        std::string receiver;
        double atMs;  // end of the event, from Arm()
    };

    void Arm() {
        slow_.clear();
        armed_ = true;
        origin_ = Clock::now();
    }
    void Disarm() { armed_ = false; }
    // The slowest events first.
    std::vector<Slow> Slowest(size_t count) {
        std::sort(slow_.begin(), slow_.end(), [](const Slow& a, const Slow& b) { return a.ms > b.ms; });
        if (slow_.size() > count) slow_.resize(count);
        return slow_;
    }

    bool notify(QObject* receiver, QEvent* event) override {
        if (!armed_ || depth_ > 0) return QApplication::notify(receiver, event);
        const int type = int(event->type());
        std::string name = receiver->metaObject()->className();
        if (!receiver->objectName().isEmpty()) name += " " + receiver->objectName().toStdString();
        ++depth_;
        const auto start = Clock::now();
        const double cpuStart = ThreadCpuMs();
        const bool done = QApplication::notify(receiver, event);
        const double cpuMs = ThreadCpuMs() - cpuStart;
        const auto end = Clock::now();
        --depth_;
        const double ms = std::chrono::duration<double, std::milli>(end - start).count();
        if (ms >= 5.0)
            slow_.push_back({ms, cpuMs, type, std::move(name), std::chrono::duration<double, std::milli>(end - origin_).count()});
        return done;
    }

private:
    std::vector<Slow> slow_;
    bool armed_ = false;
    int depth_ = 0;
    Clock::time_point origin_;
};

const char* EventName(int type) {
    switch (type) {
    case QEvent::MetaCall: return "queued call";
    case QEvent::UpdateRequest: return "repaint";
    case QEvent::Paint: return "paint";
    case QEvent::LayoutRequest: return "layout";
    case QEvent::Timer: return "timer";
    case QEvent::MouseButtonRelease: return "mouse release";
    default: return "other";
    }
}

// Turns the event loop for `ms` milliseconds.
void Idle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

double Busy(double gapMs) { return std::max(0.0, gapMs - 1.0); }

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TimedApplication app(argc, argv);

    const int files = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
    const int linesPerFile = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;

    ScratchFolder home;
    ScratchFolder data;
    std::printf("Building %d files x %d hit lines in %s ...\n", files, linesPerFile, data.Path().c_str());
    MakeTree(data.Path(), files, linesPerFile);

    qf::Session session(home.Path().string());
    qf::RecordingMessages messages;
    qf::shell::MainWindow window(session, messages);
    qf::Options& options = session.state.options;
    options.SetInt(qf::Opt::WARNINGTMP, 1);
    options.SetInt(qf::Opt::SEARCHENDC, 0);
    options.SetInt(qf::Opt::SEARCHENDB, 0);
    options.SetInt(qf::Opt::DISPLAYDUR, 1);
    options.SetInt(qf::Opt::DISPLAYATE, 0);
    options.SetInt(qf::Opt::SEARCHMAXL, kRowLimit);
    options.SetList(qf::Opt::DIRECTORIS, {data.Path().string()});
    window.askTempWarning = [](bool& dontShowAgain) {
        dontShowAgain = true;
        return qf::shell::TempWarningChoice::Continue;
    };
    window.show();

    auto* query = window.findChild<QComboBox*>(qf::shell::IdName(qf::shell::kIdStandardBox));
    auto* search = window.findChild<QAbstractButton*>(qf::shell::IdName(qf::shell::kIdSearch));
    if (!query || !search) {
        std::fprintf(stderr, "the query box or the Search button is missing\n");
        return 1;
    }
    query->setEditText(QStringLiteral("needle"));

    // Batches of rows the list received, and the largest one.
    int batches = 0;
    int largestBatch = 0;
    QObject::connect(&window.Model(), &QAbstractItemModel::rowsInserted, [&](const QModelIndex&, int first, int last) {
        ++batches;
        largestBatch = std::max(largestBatch, last - first + 1);
    });

    GapRecorder recorder;

    // The idle window first: what the timer itself manages on this machine.
    Idle(300);
    recorder.Start();
    Idle(500);
    const GapFigures idle = Summarise(recorder.Stop());

    bool ended = false;
    QEventLoop waitForEnd;
    QObject::connect(&window, &qf::shell::MainWindow::searchEnded, [&] {
        ended = true;
        waitForEnd.quit();
    });
    QTimer::singleShot(120000, &waitForEnd, &QEventLoop::quit);

    QElapsedTimer clock;
    recorder.Start();
    app.Arm();
    clock.start();
    search->click();  // runs on this thread: its own time counts as a gap
    if (!ended) waitForEnd.exec();
    const double searchMs = double(clock.nsecsElapsed()) / 1e6;
    // The repaints that follow the end belong to the search too.
    Idle(300);
    const GapFigures during = Summarise(recorder.Stop());
    app.Disarm();

    if (!ended) {
        std::fprintf(stderr, "the search did not end within two minutes\n");
        return 1;
    }

    std::printf("\n%-38s %12s\n", "", "value");
    std::printf("%-38s %12.1f\n", "search time, click to end (ms)", searchMs);
    std::printf("%-38s %12d\n", "rows shown at the end", window.Model().rowCount());
    std::printf("%-38s %12zu\n", "records in the result list", session.results.Size());
    std::printf("%-38s %12d\n", "row batches inserted", batches);
    std::printf("%-38s %12d\n", "largest batch (rows)", largestBatch);
    std::printf("%-38s %12zu\n", "timer gaps measured", during.count);
    std::printf("%-38s %12.1f\n", "longest busy stretch (ms)", Busy(during.longest));
    std::printf("%-38s %12.2f\n", "99th percentile gap (ms)", during.p99);
    std::printf("%-38s %12d\n", "gaps over 100 ms", during.overFreeze);
    std::printf("%-38s %12.2f\n", "idle window: longest gap (ms)", idle.longest);
    std::printf("%-38s %12.2f\n", "idle window: 99th percentile gap (ms)", idle.p99);
    std::printf("\n%s\n", Busy(during.longest) > kFreezeMs ? "FROZE: the window was busy for over 100 ms in one go"
                                                           : "responsive: no busy stretch over 100 ms");
    std::printf("\nslowest events on the window thread (search ended at %.0f ms):\n", searchMs);
    std::printf("  %8s %8s %10s  %-13s %s\n", "ms", "cpu ms", "ended at", "event", "receiver");
    for (const auto& e : app.Slowest(8))
        std::printf("  %8.1f %8.1f %10.0f  %-13s %s (type %d)\n", e.ms, e.cpuMs, e.atMs, EventName(e.type),
                    e.receiver.c_str(), e.type);
    for (const qf::Message& m : messages.Messages()) std::printf("message: %s\n", m.caption.c_str());
    return 0;
}
