#pragma once
// Reading one selected file and turning its hits into results.

#include <atomic>
#include <functional>
#include <memory>

#include "platform/read_folder.h"
#include "results/hit_types.h"
#include "results/run_counters.h"
#include "results/search_observer.h"
#include "results/search_statistics.h"
#include "results/search_results.h"
#include "results/selected_file.h"
#include "textsearch/line_reader.h"
#include "textsearch/query_context.h"

namespace qf {

struct ScanSetup;

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
    ReadFolder folder;                        // the folder of the last file opened
    size_t lineCap = kLineCap;                // longer lines are read in pieces
    // What the scans take from the query, made at the first file: the
    // query does not change while the context lives.
    std::shared_ptr<const ScanSetup> scanSetup = nullptr;
    // Set when a file read ahead of its turn is no longer wanted: its scan
    // ends as on a stop request.
    const std::atomic<bool>* abandon = nullptr;
};

// One file's content as read, before the run's line limit is applied to it.
// A file read ahead of its turn is read up to the per-file limit only; when
// its turn comes, KeepWithinRunLimit cuts it to what the run may still take,
// which leaves exactly what reading it then would have kept.
struct FileReading {
    MAP_LINES_WITH_HITS lines;
    int64_t hitLines = 0;        // hit lines counted against the limits
    uint32_t startLine = 0;      // the line where the start term was found
    bool dropStartLine = false;  // that line's hits all lie before the start term
    bool cutAtFileLimit = false; // lines went unread after the per-file line limit
    std::vector<uint32_t> givenUpLines;  // lines a pattern needed too much work for
    // A file that did not open: why (an errno value, 0 for no regular file).
    bool unreadable = false;
    int openError = 0;
    // For a file listed by name only: its find data, read from the opened
    // file; `selectable` is false when it is no file the search may select
    // (it vanished, is no regular file, or is larger than 2 GiB).
    bool withDetails = false;
    bool selectable = true;
    WIN32_FIND_DATAA details;
};

// Reads the text at `path` (an entry's ReadPath), keeping at most
// `linesLeft` hit lines; `withDetails` for an entry whose find data is pending.
FileReading ReadFileContent(ContentScanContext& context, const std::string& path, int64_t linesLeft, bool withDetails);

// Counts the file in the statistics when its per-file line limit left
// lines unread (after KeepWithinRunLimit), and counts and tells the lines
// given up at `path`.
void CountLineLimitCut(ContentScanContext& context, const FileReading& reading);
void TellLinesGivenUp(ContentScanContext& context, const FileReading& reading, const std::string& path);

// Result lines the run may still take: SEARCHMAXL less those made so far.
int64_t RunLinesLeft(const ContentScanContext& context);

// Applies the run's line limit, then drops the start line where its hits
// all lie before the start term.
void KeepWithinRunLimit(FileReading& reading, int64_t linesLeft);

// Processes one entry of the selected-file list: a name or "File" result is
// recorded as it is; a file of kind 3 is read and judged by the query, or
// taken from `readAhead` when it was read before its turn.
void SearchFileContent(ContentScanContext& context, const tagSelectedFileFolderStruct& entry,
                       FileReading* readAhead = nullptr);

// Reads the lines of one file into its hit lines; 1 when there are any.
int ScanLines(ContentScanContext& context, LineReader& in, MAP_LINES_WITH_HITS& lines);
// The same, keeping at most `linesLeft` hit lines and leaving the start line for KeepWithinRunLimit.
void ScanLines(ContentScanContext& context, LineReader& in, int64_t linesLeft, FileReading& out);

}  // namespace qf
