#pragma once
// Everything one running program keeps for its searches: the settings, the
// result list and store, the counters, the stop flags and the worker.

#include <atomic>
#include <functional>
#include <string>
#include <thread>

#include "engine/folder_struct.h"
#include "results/result_view_state.h"
#include "results/run_counters.h"
#include "results/search_statistics.h"
#include "results/search_results.h"
#include "results/selected_file.h"
#include "settings/settings_state.h"

namespace qf {

// The steps that the archive and conversion work plugs into the run. Each is
// optional; an empty one is skipped.
struct ArchiveHooks {
    // A selected document of the content search, before its TERM rules
    // (Word and PDF conversion fills the entry's converted columns).
    std::function<void(tagSelectedFileFolderStruct& file)> convertDocument;
    // A "zip" file selected in ZIP mode: unzip it and append one entry per
    // extraction folder to the queue, which the run searches next.
    std::function<void(const tagSelectedFileFolderStruct& archive, DEQ_ARCHIVE_FOLDER_QUE& queue)> unzipArchive;
    // Archive columns of a file listed in an archive folder.
    std::function<void(const _Folder_Struct& folder, tagSelectedFileFolderStruct& file)> fillArchiveColumns;
    // The final PDF, Word and ZIP logs, written as the run's last step.
    std::function<void()> writeFinalLogs;
};

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
    SearchStatistics statistics;   // the statistics window's grid
    ResultViewState resultView;    // sorting and grouping state of the result list
    std::atomic<int> bStopRequest{0};  // set by Stop, reset by the search-start validation
    std::atomic<int> bStopSearch{0};   // the run's own flag
    DEQ_ARCHIVE_FOLDER_QUE archiveFolderQueue;  // filled by the unzip step, worker thread only
    ArchiveHooks hooks;

    // The worker of the current or last search (see search_run.h).
    std::thread worker;
    std::atomic<bool> running{false};

private:
    std::string appHome_;
};

}  // namespace qf
