#pragma once
// The search run: one worker thread that walks the folders, selects files and
// scans them, from the Search command to the end-of-search message.

#include <ctime>

#include "engine/session.h"
#include "platform/user_messages.h"
#include "results/search_observer.h"
#include "textsearch/boolean_query.h"

namespace qf {

// The search-start validation with the standard and Boolean query checks; a
// Boolean query that passes is kept in the session for the run.
int ValidateSessionSearch(Session& session, UserMessages& messages);

// Starts the worker over a copy of the session's options and search terms
// (call after ValidateSearchStart accepted them). Clears the result list and
// sets ARESLINENU from RESLINENUM. `observer` and `messages` must outlive the
// run. False when a search is still running.
bool StartSearch(Session& session, SearchObserver& observer, UserMessages& messages);

// Waits until the worker has ended (the command line and tests; the window
// never waits).
void WaitForSearch(Session& session);

// Asks the running search to stop; it ends within one entry or one file.
inline void StopSearch(Session& session) { session.bStopRequest = 1; }

// How many threads read files (READTHREAD): the chosen number, or one per
// core when it is 0 or less; at most 64.
int ReadingThreads(const Options& options);

// The run itself, on the calling thread. `now` is the clock of the date rules.
void SearchRun(Session& session, const Options& options, const std::vector<std::string>& terms,
               const BooleanQuery& boolean, SearchObserver& observer, UserMessages& messages, std::time_t now);

}  // namespace qf
