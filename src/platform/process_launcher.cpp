#include "platform/process_launcher.h"

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <thread>

extern char** environ;

namespace qf {
namespace {

constexpr std::chrono::milliseconds kPollPause{50};  // how soon a stop request is seen
constexpr std::chrono::milliseconds kFirstPause{1};  // without pidfd: short children end quickly

// The process groups of the children now running. A signal handler can
// reach nothing else, so this is the one table the whole program shares.
constexpr size_t kGroupSlots = 16;
std::atomic<pid_t> runningGroups[kGroupSlots];

// Children being started and not yet in the table.
std::atomic<int> startingChildren{0};

static_assert(std::atomic<pid_t>::is_always_lock_free && std::atomic<int>::is_always_lock_free,
              "the table is used from signal handlers");

size_t RegisterGroup(pid_t group) {
    for (size_t i = 0; i < kGroupSlots; ++i) {
        pid_t none = 0;
        if (runningGroups[i].compare_exchange_strong(none, group)) return i;
    }
    return kGroupSlots;  // more children than slots: they end with their search only
}

void UnregisterGroup(size_t slot) {
    if (slot < kGroupSlots) runningGroups[slot].store(0);
}

// The parent's environment with the requested changes; the parent's own
// environment is never touched, as other threads may read it.
std::vector<std::string> ChildEnvironment(const std::map<std::string, std::string>& changes) {
    std::vector<std::string> env;
    for (char** e = environ; e && *e; ++e) {
        const char* eq = std::strchr(*e, '=');
        const std::string key = eq ? std::string(*e, size_t(eq - *e)) : std::string(*e);
        if (!changes.count(key)) env.emplace_back(*e);
    }
    for (const auto& [key, value] : changes) env.push_back(key + "=" + value);
    return env;
}

std::vector<char*> PointerList(std::vector<std::string>& strings) {
    std::vector<char*> list;
    list.reserve(strings.size() + 1);
    for (std::string& s : strings) list.push_back(s.data());
    list.push_back(nullptr);
    return list;
}

// Holds the spawn attributes and file actions for one start.
class SpawnSetup {
public:
    SpawnSetup() {
        posix_spawn_file_actions_init(&actions_);
        posix_spawnattr_init(&attr_);
    }
    ~SpawnSetup() {
        posix_spawn_file_actions_destroy(&actions_);
        posix_spawnattr_destroy(&attr_);
        if (outFd_ >= 0) close(outFd_);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;

    bool Prepare(const std::string& stdoutFile, bool ownGroup) {
        // A converter must never wait for keyboard input or write into our terminal.
        if (posix_spawn_file_actions_addopen(&actions_, STDIN_FILENO, "/dev/null", O_RDONLY, 0) != 0) return false;
        if (posix_spawn_file_actions_addopen(&actions_, STDERR_FILENO, "/dev/null", O_WRONLY, 0) != 0) return false;
        if (!stdoutFile.empty()) {
            outFd_ = open(stdoutFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
            if (outFd_ < 0 || posix_spawn_file_actions_adddup2(&actions_, outFd_, STDOUT_FILENO) != 0) return false;
        }
        // The child starts with default signal handling and no blocked signals,
        // whatever the program has set for its own threads.
        sigset_t none, defaults;
        sigemptyset(&none);
        sigemptyset(&defaults);
        sigaddset(&defaults, SIGPIPE);
        short flags = POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF;
        // A group of its own: the child and whatever it starts can be ended
        // together, and a Ctrl-C in the terminal reaches only this program.
        if (ownGroup) flags |= POSIX_SPAWN_SETPGROUP;
        return posix_spawnattr_setsigmask(&attr_, &none) == 0 &&
               posix_spawnattr_setsigdefault(&attr_, &defaults) == 0 &&
               (!ownGroup || posix_spawnattr_setpgroup(&attr_, 0) == 0) &&
               posix_spawnattr_setflags(&attr_, flags) == 0;
    }

    const posix_spawn_file_actions_t* Actions() const { return &actions_; }
    const posix_spawnattr_t* Attributes() const { return &attr_; }

private:
    posix_spawn_file_actions_t actions_;
    posix_spawnattr_t attr_;
    int outFd_ = -1;
};

// The program is looked up in the PATH the child gets, as it would be when
// the changed PATH were the program's own.
bool FindInPath(const std::string& name, const std::string& pathList, std::string& found) {
    size_t start = 0;
    for (;;) {
        const size_t end = pathList.find(':', start);
        std::string dir = pathList.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (dir.empty()) dir = ".";  // an empty element means the current folder
        std::string candidate = dir + "/" + name;
        struct stat st{};
        if (stat(candidate.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(candidate.c_str(), X_OK) == 0) {
            found = std::move(candidate);
            return true;
        }
        if (end == std::string::npos) return false;
        start = end + 1;
    }
}

ProcessOutcome Reap(pid_t pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) return {ProcessEnd::Signalled, -1};
    }
    if (WIFEXITED(status)) return {ProcessEnd::Exited, WEXITSTATUS(status)};
    return {ProcessEnd::Signalled, -1};
}

// Sleeps until the child ends or the pause is over; true when it has ended.
class ExitWatch {
public:
    explicit ExitWatch(pid_t pid) : pid_(pid), fd_(int(syscall(SYS_pidfd_open, pid, 0))) {}
    ~ExitWatch() {
        if (fd_ >= 0) close(fd_);
    }
    ExitWatch(const ExitWatch&) = delete;
    ExitWatch& operator=(const ExitWatch&) = delete;

    bool Wait(std::chrono::milliseconds pause) {
        if (fd_ >= 0) {
            pollfd p{fd_, POLLIN, 0};
            return poll(&p, 1, int(pause.count())) > 0;
        }
        // Without pidfd: look, then sleep a little longer each time.
        siginfo_t info{};
        if (waitid(P_PID, id_t(pid_), &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == pid_) return true;
        std::this_thread::sleep_for(std::min(pause, fallbackPause_));
        fallbackPause_ = std::min(fallbackPause_ * 2, kPollPause);
        return false;
    }

private:
    pid_t pid_;
    int fd_;
    std::chrono::milliseconds fallbackPause_ = kFirstPause;
};

ProcessOutcome WaitWithinLimits(pid_t pid, size_t slot, const ProcessLimits& limits) {
    const auto start = std::chrono::steady_clock::now();
    ExitWatch watch(pid);
    ProcessEnd ending = ProcessEnd::Exited;
    for (;;) {
        if (limits.stopRequest && limits.stopRequest->load(std::memory_order_relaxed) != 0) {
            ending = ProcessEnd::Stopped;
            break;
        }
        std::chrono::milliseconds pause = kPollPause;
        if (limits.timeLimit.count() > 0) {
            const auto left = limits.timeLimit - std::chrono::duration_cast<std::chrono::milliseconds>(
                                                     std::chrono::steady_clock::now() - start);
            if (left.count() <= 0) {
                ending = ProcessEnd::TimedOut;
                break;
            }
            pause = std::min(pause, left);
        }
        if (watch.Wait(pause)) break;
    }
    // The group keeps its id until its leader is reaped, so the kill cannot
    // reach a stranger that got the number since.
    if (ending != ProcessEnd::Exited) kill(-pid, SIGKILL);
    UnregisterGroup(slot);
    ProcessOutcome outcome = Reap(pid);
    if (ending != ProcessEnd::Exited) outcome = {ending, -1};
    return outcome;
}

// Starts the child; 0 when it could not be started.
pid_t Spawn(const ProcessRequest& request, bool ownGroup) {
    if (request.argv.empty() || request.argv[0].empty()) return 0;
    std::vector<std::string> args = request.argv;
    std::vector<std::string> env = ChildEnvironment(request.envChanges);
    std::vector<char*> argv = PointerList(args);
    std::vector<char*> envp = PointerList(env);

    SpawnSetup setup;
    if (!setup.Prepare(request.stdoutFile, ownGroup)) return 0;
    pid_t pid = 0;
    const auto newPath = request.envChanges.find("PATH");
    int error;
    if (newPath != request.envChanges.end() && request.argv[0].find('/') == std::string::npos) {
        std::string program;
        if (!FindInPath(request.argv[0], newPath->second, program)) return 0;
        error = posix_spawn(&pid, program.c_str(), setup.Actions(), setup.Attributes(), argv.data(), envp.data());
    } else {
        error = posix_spawnp(&pid, argv[0], setup.Actions(), setup.Attributes(), argv.data(), envp.data());
    }
    // glibc reports a program that cannot be executed here, not as exit code 127.
    return error == 0 ? pid : 0;
}

}  // namespace

ProcessOutcome RunProcessWithLimits(const ProcessRequest& request, const ProcessLimits& limits) {
    // Between the start and the table a stop signal could miss the child:
    // this thread takes none meanwhile, and KillRunningChildren waits for it.
    sigset_t stopSignals, previous;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, &previous);
    ++startingChildren;
    const pid_t pid = Spawn(request, true);
    const size_t slot = pid != 0 ? RegisterGroup(pid) : kGroupSlots;
    --startingChildren;
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    if (pid == 0) return {};
    return WaitWithinLimits(pid, slot, limits);
}

int RunProcess(const ProcessRequest& request) {
    const pid_t pid = Spawn(request, false);
    if (pid == 0) return -1;
    const ProcessOutcome outcome = Reap(pid);
    return outcome.end == ProcessEnd::Exited ? outcome.exitCode : -1;
}

void KillRunningChildren() {
    // A child being started is in the table within microseconds.
    for (int i = 0; i < 1000 && startingChildren.load() > 0; ++i) {
        const timespec pause{0, 1000000};
        nanosleep(&pause, nullptr);
    }
    for (std::atomic<pid_t>& group : runningGroups) {
        const pid_t id = group.load();
        if (id > 0) kill(-id, SIGKILL);
    }
}

}  // namespace qf
