#pragma once
// SIGINT and SIGTERM on the command line: the first stops the search the way
// Stop does, a second ends the program at once.

#include <atomic>

namespace qf {

// While it lives, the first SIGINT or SIGTERM sets `stopRequest` to 1 and a
// second one ends the running converters and the program at once, with the
// status 128 + the signal's number. Afterwards both signals end the program
// as they do by default.
class StopSignalRoute {
public:
    explicit StopSignalRoute(std::atomic<int>& stopRequest);
    ~StopSignalRoute();
    StopSignalRoute(const StopSignalRoute&) = delete;
    StopSignalRoute& operator=(const StopSignalRoute&) = delete;
};

// The signal that asked for the stop; 0 while none came.
int StopSignalReceived();

}  // namespace qf
