#pragma once
// The turns of the walked folders. The run's thread walks a folder and
// selects its files; the folder then waits for its turn, which shows what
// the walk found (counters, status texts), searches the folder's selected
// files in order and makes their records. With one thread each folder takes
// its turn as soon as it is walked. With more, the files are read on several
// threads while the walk goes on, and the turns still come one by one in the
// walk's order, so that records, numbering, counters and logs are the same.
//
// The walk goes ahead only while what it tests of the earlier folders'
// results is known (see Safe); otherwise a folder waits until every earlier
// one has had its turn, as it does with one thread. Work done ahead of a
// turn that ends the run (a Stop, the display limit) is dropped unseen.

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "engine/read_ahead.h"
#include "engine/run_context.h"

namespace qf {

// One walked folder waiting for its turn.
struct FolderBatch {
    std::vector<std::function<void()>> shown;  // what the walk held back, in order
    std::vector<tagSelectedFileFolderStruct> selected;
    std::vector<std::optional<uint64_t>> tickets;  // per selected entry: its reading, when read ahead
    SharedFolder openFolder;                       // the walk's handle, for its files to be opened in
    int stopAfterWalk = 0;                         // the run's stop flag when the walk of the folder ended
    // The folder's own times, set back after its turn.
    bool restoreTimes = false;
    std::string folder;
    FILETIME lastAccess;
    FILETIME lastWrite;
};

class RunPipeline {
public:
    // `threads` readers; one reads every file on the run's thread in its turn.
    RunPipeline(RunContext& context, SearchObserver& shown, int threads);

    // Before a folder is walked; false when the run has ended.
    bool BeginFolder();
    // A walked folder: queued for its turn (or given it at once).
    void Push(FolderBatch batch);
    // Gives every waiting folder its turn and shows what the current walk
    // held back, before a step that cannot be held back (a conversion, an
    // unzip). False when the run ended meanwhile: the current folder is dropped.
    bool Settle();
    // The turns still due, then the reading ends.
    void Finish();

private:
    bool Safe() const;
    void Wait(FolderBatch batch);
    FolderBatch Next();
    void TakeTurn(FolderBatch& batch);
    void TakeTurnsUntil(const std::function<bool()>& enough);
    void SearchContent(FolderBatch& batch);
    void End();

    RunContext& context_;
    SearchObserver& shown_;
    ContentScanContext scan_;
    std::unique_ptr<ReadAhead> readAhead_;
    std::deque<FolderBatch> waiting_;
    size_t waitingEntries_ = 0;
    size_t waitingHandles_ = 0;  // open folder handles the waiting folders hold
    bool ended_ = false;
};

}  // namespace qf
