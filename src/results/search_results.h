#pragma once
// The result list and the per-file store of one search, behind the result lock.

#include <deque>
#include <functional>
#include <mutex>
#include <string>

#include "results/result_record.h"
#include "results/result_store.h"

namespace qf {

using RESULT_LIST = std::deque<tagPrivStruct>;

class SearchResults {
public:
    // Empties list and store and resets the numbering (a new search).
    void Clear();
    // Resets the running numbers only (the run's start).
    void ResetNumbering();

    // Numbers the record (folder, file, result) and appends it; returns its row.
    size_t Append(tagPrivStruct record);
    void AddFile(tagFileStrukt file);

    size_t Size() const;
    tagPrivStruct Row(size_t row) const;           // a copy; empty when out of range
    std::string CellText(size_t row, int column) const;
    RESULT_LIST CopyList() const;
    void ReplaceList(RESULT_LIST list);
    FileResultsStore CopyStore() const;

    // Whether a run appends rows while it goes (the default). A front end
    // that shows nothing before the run ends (the command line) turns this
    // off: the list is made from the store when the run ends either way, so
    // the rows made on the way would only be thrown away.
    void SetLiveRows(bool live) { liveRows_ = live; }
    bool LiveRows() const { return liveRows_; }

    // Runs f with the lock held, for readers that need list and store together.
    void WithLock(const std::function<void(RESULT_LIST&, FileResultsStore&)>& f);
    // The same for a reader that changes nothing and needs no copy.
    void Read(const std::function<void(const RESULT_LIST&, const FileResultsStore&)>& f) const;

private:
    void Number(tagPrivStruct& record);

    mutable std::mutex lock_;
    bool liveRows_ = true;
    RESULT_LIST list_;
    FileResultsStore store_;
    int resultCounter_ = 0;
    int folderCounter_ = 0;
    int fileCounter_ = 0;
    std::string previousFolderKey_ = "  ";
    std::string previousFileKey_ = "  ";
};

}  // namespace qf
