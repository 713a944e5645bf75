#pragma once
// Reading one selected file and turning its hits into results.

#include <atomic>
#include <functional>

#include "results/hit_types.h"
#include "results/run_counters.h"
#include "results/search_observer.h"
#include "results/search_statistics.h"
#include "results/search_results.h"
#include "results/selected_file.h"
#include "textsearch/line_reader.h"
#include "textsearch/query_context.h"

namespace qf {

struct ContentScanContext {
    const QueryContext& query;
    SearchResults& results;
    RunCounters& counters;
    std::atomic<int>& bStopSearch;
    const std::atomic<int>& bStopRequest;
    SearchObserver& observer;
    // Told of every file whose content was read, with or without hits (statistics).
    std::function<void(const tagSelectedFileFolderStruct& entry, bool found)> fileExamined = {};
    SearchStatistics* statistics = nullptr;  // the statistics grid, when the run keeps one
    ScanBuffers buffers = {};                 // read buffers reused from file to file
    size_t lineCap = kLineCap;                // longer lines are read in pieces
    std::string readPath = {};                // the file being read, for what is told of its lines
};

// Processes one entry of the selected-file list: a name or "File" result is
// recorded as it is; a file of kind 3 is read and judged by the query.
void SearchFileContent(ContentScanContext& context, const tagSelectedFileFolderStruct& entry);

// Reads the lines of one file into its hit lines; 1 when there are any.
int ScanLines(ContentScanContext& context, LineReader& in, MAP_LINES_WITH_HITS& lines);

}  // namespace qf
