#pragma once
// Everything one running program keeps for its searches: the settings, the
// result list and store, the counters, the stop flags and the worker.

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "engine/folder_struct.h"
#include "platform/file_lock.h"
#include "results/result_view_state.h"
#include "results/run_counters.h"
#include "results/search_statistics.h"
#include "results/search_results.h"
#include "results/selected_file.h"
#include "settings/settings_state.h"
#include "textsearch/boolean_query.h"
#include "textsearch/regex_terms.h"

namespace qf {

class Session {
public:
    explicit Session(std::string appHome);
    ~Session();  // asks a running search to stop and waits for it
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    const std::string& AppHome() const { return appHome_; }

    SettingsState state;
    SearchResults results;
    RunCounters counters;
    BooleanQuery booleanQuery;     // the checked Boolean query of the last validation
    RegexFault regexFault;         // the term the last validation refused as a pattern, if any
    SearchStatistics statistics;   // the statistics window's grid
    ResultViewState resultView;    // sorting and grouping state of the result list
    std::atomic<int> bStopRequest{0};  // set by Stop, reset by the search-start validation
    std::atomic<int> bStopSearch{0};   // the run's own flag
    DEQ_ARCHIVE_FOLDER_QUE archiveFolderQueue;  // filled by the unzip step, worker thread only
    // Folders chosen as smart-copy destinations during this program's run,
    // in the order they were first used (window thread only).
    std::vector<std::string> copyDestinations;

    // The worker of the current or last search (see search_run.h).
    std::thread worker;
    std::atomic<bool> running{false};
    // Held from the emptying of the working folders to the end of the run,
    // so that no other search with the same home empties them meanwhile.
    std::unique_ptr<FileLock> searchLock;

private:
    std::string appHome_;
};

}  // namespace qf
