#include "platform/stop_signals.h"

#include <signal.h>
#include <unistd.h>

#include "platform/process_launcher.h"

namespace qf {
namespace {

// A signal handler can reach nothing but process-wide state.
std::atomic<std::atomic<int>*> stopTarget{nullptr};
std::atomic<int> receivedSignal{0};

static_assert(std::atomic<int>::is_always_lock_free && std::atomic<std::atomic<int>*>::is_always_lock_free,
              "used from a signal handler");

void OnStopSignal(int signal) {
    int none = 0;
    if (!receivedSignal.compare_exchange_strong(none, signal)) {
        KillRunningChildren();
        _exit(128 + signal);
    }
    if (std::atomic<int>* target = stopTarget.load()) target->store(1);
}

void Handle(void (*handler)(int)) {
    struct sigaction action{};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

}  // namespace

StopSignalRoute::StopSignalRoute(std::atomic<int>& stopRequest) {
    stopTarget.store(&stopRequest);
    Handle(OnStopSignal);
}

StopSignalRoute::~StopSignalRoute() {
    Handle(SIG_DFL);
    stopTarget.store(nullptr);
}

int StopSignalReceived() { return receivedSignal.load(); }

}  // namespace qf
