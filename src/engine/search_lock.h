#pragma once
// One search at a time per application home: the desktop program and the
// command line share the log and working folders of a home, and each search
// empties them at its start.

#include <chrono>

#include "engine/session.h"
#include "platform/user_messages.h"

namespace qf {

// The lock file in the application home.
constexpr const char* kSearchLockName = "search.lock";
// How long a second search waits for the first before it gives up.
constexpr std::chrono::milliseconds kSearchLockWait{5000};

// Takes the home's search lock for the session (waiting up to `wait`), then
// prepares the log and working folders. False after a message, with no lock
// held and nothing emptied.
bool PrepareSessionFolders(Session& session, UserMessages& messages,
                           std::chrono::milliseconds wait = kSearchLockWait);

// Lets another search of the same home start.
void ReleaseSearchLock(Session& session);

}  // namespace qf
