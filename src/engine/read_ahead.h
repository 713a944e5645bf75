#pragma once
// Reads the files of a content search on several threads ahead of their
// turn. Their turns come on the run's thread, in the walk's order, and take
// each file's reading from here. Only a bounded number of files is read
// ahead, and the hit lines waiting for their turn stay within a bound of
// memory.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/open_folder.h"
#include "results/selected_file.h"
#include "textsearch/content_scan.h"

namespace qf {

class ReadAhead {
public:
    // `threads` readers in all: threads - 1 helpers, and the run's own
    // thread, which reads while it waits for a turn.
    ReadAhead(const QueryContext& query, const std::atomic<int>& stopRequest, int threads);
    ~ReadAhead();
    ReadAhead(const ReadAhead&) = delete;
    ReadAhead& operator=(const ReadAhead&) = delete;

    // Queues the text of a selected file; tickets count from 0 in this order.
    // The helpers start on what was queued when Wake is called.
    // `folder`, when given, is the open folder the file is opened in.
    uint64_t Add(const tagSelectedFileFolderStruct& entry, SharedFolder folder = nullptr);
    void Wake();
    // True when the files of every ticket up to `ticket` have been read.
    bool ReadThrough(uint64_t ticket) const { return ticket < readBefore_.load(std::memory_order_acquire); }
    // The reading of `ticket`, the oldest one not taken yet. Read on the
    // calling thread when no helper has started it; while a helper reads
    // it, the calling thread reads the files after it.
    FileReading Take(uint64_t ticket);
    // Nothing more will be taken: queued files are left unread and reads
    // under way end at their next line.
    void Abandon();

private:
    struct Reader;
    struct Slot;

    void Help(Reader& reader);
    bool CanStart() const;
    void ReadNext(std::unique_lock<std::mutex>& lock, Reader& reader);
    void NoteRead();
    void WatchForChange(std::unique_lock<std::mutex>& lock);

    const size_t window_;  // files read ahead of the oldest one not taken
    std::atomic<bool> abandon_{false};
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Slot> slots_;  // tickets first_ onwards
    uint64_t first_ = 0;      // the oldest ticket not taken
    uint64_t next_ = 0;       // the oldest ticket not started
    size_t heldBytes_ = 0;    // hit lines read and not taken yet
    std::atomic<uint64_t> readBefore_{0};  // every ticket below it has been read
    int waiting_ = 0;         // helpers asleep for want of a file to read
    std::atomic<uint64_t> changes_{0};  // counts what may let a helper start: files queued, taken, the end
    bool quit_ = false;
    std::vector<std::unique_ptr<Reader>> readers_;  // the run's thread's first, then one per helper
    std::vector<std::thread> helpers_;
};

}  // namespace qf
