// Does the main window keep answering while it searches a large tree and
// then sorts, groups and reports the results? Builds a temporary tree of
// files, a share of them with hit lines, clicks Search in the real window
// (offscreen, "one by one" display) and then sorts by a column header,
// groups by type and writes the instant report, watching a 1 ms timer on
// the window thread throughout: each gap between two timeouts, less the
// 1 ms period, is a stretch during which the window could not answer the
// user. The aim is no stretch above 50 ms. The slowest events of the window
// thread are listed with the processor time they used: a large difference
// means the thread was waiting (a lock, other threads).
//
//   ui_responsiveness [files] [one file in N has hits] [hit lines per such file]
//                                                   (default 50000 12 2)

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QHeaderView>
#include <QTableView>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <time.h>
#include <vector>

#include "engine/session.h"
#include "platform/user_messages.h"
#include "shell/control_ids.h"
#include "shell/main_window.h"
#include "shell/managing_results_window.h"
#include "shell/reports_window.h"
#include "shell/result_model.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kRowLimit = 10000;
constexpr double kFreezeMs = 50.0;

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

// `files` files, 100 to a folder, of four types; every `hitEvery`-th holds
// `hitLines` hit lines between quiet ones, the others only quiet lines.
void MakeTree(const fs::path& root, int files, int hitEvery, int hitLines) {
    static const char* const kTypes[] = {".txt", ".md", ".log", ".csv"};
    for (int f = 0; f < files; ++f) {
        const fs::path folder = root / ("dir" + std::to_string(f / 100));
        if (f % 100 == 0) fs::create_directories(folder);
        std::ofstream out(folder / ("file" + std::to_string(f) + kTypes[f % 4]));
        const bool hits = f % hitEvery == 0;
        for (int n = 0; n < hitLines; ++n) {
            if (hits) out << "line " << n << " of file " << f << " holds the needle somewhere in the middle\n";
            out << "a quiet line in between\n";
        }
    }
}

double ThreadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Times the window thread was taken off the processor by the system.
long Preemptions() {
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return usage.ru_nivcsw;
}

// One stretch between two timeouts: wall time, the window thread's own
// processor time in it, and how often the system preempted the thread.
struct Gap {
    double ms = 0;
    double cpuMs = 0;
    long preempted = 0;
};

// Gaps between consecutive timeouts of a 1 ms timer.
class GapRecorder {
public:
    GapRecorder() {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(1);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Close(); });
    }
    void Start() {
        gaps_.clear();
        Mark();
        timer_.start();
    }
    // Stops and returns the gaps, the one still open included.
    std::vector<Gap> Stop() {
        timer_.stop();
        Close();
        return std::move(gaps_);
    }

private:
    void Mark() {
        last_ = Clock::now();
        lastCpu_ = ThreadCpuMs();
        lastPreempted_ = Preemptions();
    }
    void Close() {
        gaps_.push_back({std::chrono::duration<double, std::milli>(Clock::now() - last_).count(),
                         ThreadCpuMs() - lastCpu_, Preemptions() - lastPreempted_});
        Mark();
    }

    QTimer timer_;
    std::vector<Gap> gaps_;
    Clock::time_point last_;
    double lastCpu_ = 0;
    long lastPreempted_ = 0;
};

struct GapFigures {
    size_t count = 0;
    Gap longest;          // the longest stretch by the clock
    double mostCpu = 0;   // the most processor time the thread spent in one stretch
    double p99 = 0;
    int overFreeze = 0;
};

GapFigures Summarise(std::vector<Gap> gaps) {
    GapFigures g;
    if (gaps.empty()) return g;
    std::sort(gaps.begin(), gaps.end(), [](const Gap& a, const Gap& b) { return a.ms < b.ms; });
    g.count = gaps.size();
    g.longest = gaps.back();
    for (const Gap& gap : gaps) g.mostCpu = std::max(g.mostCpu, gap.cpuMs);
    const size_t rank = std::max<size_t>(1, size_t(std::ceil(0.99 * double(gaps.size()))));
    g.p99 = gaps[rank - 1].ms;
    g.overFreeze = int(std::count_if(gaps.begin(), gaps.end(), [](const Gap& gap) { return gap.ms > kFreezeMs; }));
    return g;
}

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

    // Every event of a kind and receiver together: many short events in a
    // row starve the timer as one long one does.
    struct Total {
        double ms = 0;
        int count = 0;
    };

    void Arm() {
        slow_.clear();
        totals_.clear();
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
        Total& total = totals_[EventName(type) + std::string(" ") + name];
        total.ms += ms;
        ++total.count;
        if (ms >= 5.0)
            slow_.push_back({ms, cpuMs, type, std::move(name), std::chrono::duration<double, std::milli>(end - origin_).count()});
        return done;
    }

    std::vector<std::pair<std::string, Total>> Busiest(size_t count) const {
        std::vector<std::pair<std::string, Total>> all(totals_.begin(), totals_.end());
        std::sort(all.begin(), all.end(), [](const auto& a, const auto& b) { return a.second.ms > b.second.ms; });
        if (all.size() > count) all.resize(count);
        return all;
    }

private:
    std::map<std::string, Total> totals_;
    std::vector<Slow> slow_;
    bool armed_ = false;
    int depth_ = 0;
    Clock::time_point origin_;
};

// Turns the event loop for `ms` milliseconds.
void Idle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

double Busy(double gapMs) { return std::max(0.0, gapMs - 1.0); }

}  // namespace

namespace {

struct Phase {
    std::string name;
    double ms = 0;
    double actMs = 0;  // the command itself, before the event loop turns again
    GapFigures gaps;
    std::vector<TimedApplication::Slow> slowest;
    std::vector<std::pair<std::string, TimedApplication::Total>> busiest;
};

// Runs `act` on the window thread, turns the event loop until `done`, and
// keeps what the timer saw meanwhile and for a moment after (the repaints).
Phase Measure(TimedApplication& app, GapRecorder& recorder, const char* name, const std::function<void()>& act,
              const std::function<bool()>& done) {
    Phase phase;
    phase.name = name;
    recorder.Start();
    app.Arm();
    QElapsedTimer clock;
    clock.start();
    act();  // runs on this thread: its own time counts as a gap
    phase.actMs = double(clock.nsecsElapsed()) / 1e6;
    while (!done() && clock.elapsed() < 300000) Idle(5);
    phase.ms = double(clock.nsecsElapsed()) / 1e6;
    Idle(300);
    phase.gaps = Summarise(recorder.Stop());
    app.Disarm();
    phase.slowest = app.Slowest(4);
    phase.busiest = app.Busiest(4);
    return phase;
}

template <typename T>
T* Find(const QObject& parent, const QString& name) {
    T* child = parent.findChild<T*>(name);
    if (!child) {
        std::fprintf(stderr, "%s is missing\n", qPrintable(name));
        std::exit(1);
    }
    return child;
}

void Report(const std::vector<Phase>& phases, const GapFigures& idle) {
    std::printf("\n%-7s %9s %9s %9s %9s %9s %9s %7s %7s\n", "phase", "time ms", "cmd ms", "longest", "its cpu",
                "preempt", "most cpu", "p99", ">50ms");
    const auto row = [](const char* name, double ms, double actMs, const GapFigures& g) {
        std::printf("%-7s %9.1f %9.1f %9.1f %9.1f %9ld %9.1f %7.2f %7d\n", name, ms, actMs, Busy(g.longest.ms),
                    g.longest.cpuMs, g.longest.preempted, g.mostCpu, g.p99, g.overFreeze);
    };
    for (const Phase& p : phases) row(p.name.c_str(), p.ms, p.actMs, p.gaps);
    row("idle", 0, 0, idle);
    std::printf("  longest: the longest stretch between two timer ticks, less the 1 ms period\n"
                "  its cpu: the window thread's processor time in it; preempt: times the system took\n"
                "  the processor from it meanwhile; most cpu: the most processor time in any one stretch\n");
    bool busy = false;
    for (const Phase& p : phases) busy = busy || p.gaps.mostCpu > kFreezeMs;
    std::printf("\n%s\n", busy ? "BUSY: the window thread worked for over 50 ms in one go"
                               : "responsive: the window thread never worked for over 50 ms in one go");
    for (const Phase& p : phases) {
        std::printf("\nslowest events on the window thread while %s (phase took %.0f ms):\n", p.name.c_str(), p.ms);
        std::printf("  %8s %8s %10s  %-13s %s\n", "ms", "cpu ms", "ended at", "event", "receiver");
        for (const auto& e : p.slowest)
            std::printf("  %8.1f %8.1f %10.0f  %-13s %s (type %d)\n", e.ms, e.cpuMs, e.atMs, EventName(e.type),
                        e.receiver.c_str(), e.type);
        std::printf("  events taking the most time together:\n");
        for (const auto& [what, total] : p.busiest)
            std::printf("  %8.1f ms in %6d  %s\n", total.ms, total.count, what.c_str());
    }
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TimedApplication app(argc, argv);

    const int files = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50000;
    const int hitEvery = argc > 2 ? std::max(1, std::atoi(argv[2])) : 12;
    const int hitLines = argc > 3 ? std::max(1, std::atoi(argv[3])) : 2;

    ScratchFolder home;
    ScratchFolder data;
    std::printf("Building %d files, one in %d with %d hit lines, in %s ...\n", files, hitEvery, hitLines,
                data.Path().c_str());
    MakeTree(data.Path(), files, hitEvery, hitLines);

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
    window.show();

    using qf::shell::IdName;
    Find<QComboBox>(window, IdName(qf::shell::kIdStandardBox))->setEditText(QStringLiteral("needle"));
    auto* search = Find<QAbstractButton>(window, IdName(qf::shell::kIdSearch));
    auto* table = Find<QTableView>(window, IdName(qf::shell::kIdResultWindow));
    auto& managing = window.ManagingResults();
    auto& reports = window.Reports();
    reports.openFile = [](const std::string&) { return true; };  // no viewer is started

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
    QObject::connect(&window, &qf::shell::MainWindow::searchEnded, [&] { ended = true; });
    std::vector<Phase> phases;
    phases.push_back(Measure(app, recorder, "search", [&] { search->click(); }, [&] { return ended; }));
    if (!ended) {
        std::fprintf(stderr, "the search did not end within five minutes\n");
        return 1;
    }
    const auto sorted = [&] { return !managing.Busy(); };
    phases.push_back(Measure(app, recorder, "sort", [&] { emit table->horizontalHeader()->sectionClicked(11); }, sorted));
    phases.push_back(Measure(app, recorder, "group", [&] {
        managing.RefreshGroupingLists();
        Find<QAbstractButton>(managing, IdName(1668))->click();  // "<<": every type into Include
        Find<QAbstractButton>(managing, IdName(1674))->click();  // "Group"
    }, sorted));
    phases.push_back(Measure(app, recorder, "report", [&] {
        Find<QAbstractButton>(reports, QStringLiteral("instantDisplay"))->click();
    }, [&] { return !reports.Busy(); }));

    std::printf("\n%-38s %12zu\n", "folders examined", size_t(session.counters.nFoldersExamined));
    std::printf("%-38s %12zu\n", "files examined", size_t(session.counters.nFilesExamined));
    std::printf("%-38s %12zu\n", "records in the result list", session.results.Size());
    std::printf("%-38s %12d\n", "rows shown at the end", window.Model().rowCount());
    std::printf("%-38s %12d\n", "row batches inserted", batches);
    std::printf("%-38s %12d\n", "largest batch (rows)", largestBatch);
    Report(phases, idle);
    for (const qf::Message& m : messages.Messages()) std::printf("message: %s\n", m.caption.c_str());
    return 0;
}
