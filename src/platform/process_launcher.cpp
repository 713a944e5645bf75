#include "platform/process_launcher.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

extern char** environ;

namespace qf {
namespace {

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

    bool Prepare(const std::string& stdoutFile) {
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
        return posix_spawnattr_setsigmask(&attr_, &none) == 0 &&
               posix_spawnattr_setsigdefault(&attr_, &defaults) == 0 &&
               posix_spawnattr_setflags(&attr_, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF) == 0;
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

int WaitForExit(pid_t pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

int RunProcess(const ProcessRequest& request) {
    if (request.argv.empty() || request.argv[0].empty()) return -1;
    std::vector<std::string> args = request.argv;
    std::vector<std::string> env = ChildEnvironment(request.envChanges);
    std::vector<char*> argv = PointerList(args);
    std::vector<char*> envp = PointerList(env);

    SpawnSetup setup;
    if (!setup.Prepare(request.stdoutFile)) return -1;
    pid_t pid = 0;
    const auto newPath = request.envChanges.find("PATH");
    int error;
    if (newPath != request.envChanges.end() && request.argv[0].find('/') == std::string::npos) {
        std::string program;
        if (!FindInPath(request.argv[0], newPath->second, program)) return -1;
        error = posix_spawn(&pid, program.c_str(), setup.Actions(), setup.Attributes(), argv.data(), envp.data());
    } else {
        error = posix_spawnp(&pid, argv[0], setup.Actions(), setup.Attributes(), argv.data(), envp.data());
    }
    // glibc reports a program that cannot be executed here, not as exit code 127.
    if (error != 0) return -1;
    return WaitForExit(pid);
}

}  // namespace qf
