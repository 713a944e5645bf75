#pragma once
// Rebuilds the result list from the per-file store: the store is the source
// of every sort, grouping and line limit, so no result of the search is lost.

#include "results/result_store.h"
#include "results/search_results.h"

namespace qf {

constexpr int kNoLineLimit = 1000000;

// The store's files, each with its hit lines in ascending order, at
// most maxLinesPerFile lines per file (a whole-file result is one record).
// Each folder key gets one folder number and each file one number within its
// folder, in order of first appearance. A long list is made by up to
// `threads` threads (at most kMostRebuildThreads), with the same records.
constexpr int kMostRebuildThreads = 8;
// Below this many records a thread makes them alone.
constexpr size_t kRecordsPerThread = 512;
// How many parts side by side a pass over `records` records takes: the
// rebuild, the padding and the sort keys share this bound.
size_t RecordParts(size_t records, int threads);
// Where the files' records go. The numbers are those of the store's order
// either way.
enum class FileOrder {
    Store,
    // By folder key, then file key, compared as the default sort compares
    // them: a list rebuilt for that sort is then nearly in its order. Files
    // that compare equal keep the store's order.
    FolderAndFile,
};
RESULT_LIST RebuildResultList(const FileResultsStore& store, int maxLinesPerFile, int threads = 1,
                              FileOrder order = FileOrder::Store);

// Different folders among the store's files.
int CountFolders(const FileResultsStore& store);

}  // namespace qf
