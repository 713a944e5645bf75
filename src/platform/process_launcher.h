#pragma once
// Runs an outside program without a shell and waits for it.

#include <atomic>
#include <chrono>
#include <map>
#include <string>
#include <vector>

namespace qf {

struct ProcessRequest {
    std::vector<std::string> argv;                // argv[0] is looked up in PATH when it has no '/'
    std::map<std::string, std::string> envChanges;  // given to the child only
    std::string stdoutFile;                      // when set, the child's output goes there (truncated)
};

// When a child is ended before it finishes. The child runs in a process
// group of its own, and ending it ends the whole group, so that a script's
// own children do not live on.
struct ProcessLimits {
    std::chrono::milliseconds timeLimit{0};         // 0: as long as it takes
    const std::atomic<int>* stopRequest = nullptr;  // 1: end it now
};

enum class ProcessEnd {
    Exited,      // ended on its own; exitCode holds its code
    NotStarted,  // could not be started
    Signalled,   // ended by a signal from elsewhere
    TimedOut,    // ended here after its time limit
    Stopped,     // ended here on the stop request
};

struct ProcessOutcome {
    ProcessEnd end = ProcessEnd::NotStarted;
    int exitCode = -1;
};

// Runs the child and waits for it within the limits.
ProcessOutcome RunProcessWithLimits(const ProcessRequest& request, const ProcessLimits& limits);

// The child's exit code; -1 when it cannot start or ends by a signal.
int RunProcess(const ProcessRequest& request);

// Ends every child of RunProcessWithLimits still running, with its group, at
// once. Safe to call from a signal handler.
void KillRunningChildren();

}  // namespace qf
