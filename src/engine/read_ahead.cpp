#include "engine/read_ahead.h"

#include <chrono>
#include <limits>
#include <system_error>
#include <string>

#include "platform/heap_steps.h"

namespace qf {
namespace {

constexpr size_t kFilesAheadPerThread = 512;
// A helper out of files watches for more this long before it sleeps. The
// walk queues a small folder's files every few microseconds, and a helper
// woken for each was often put on the busy processor of the thread that
// woke it, to wait there while the other one stood idle.
constexpr auto kWatchForFiles = std::chrono::microseconds(100);
// Hit lines read ahead and waiting beyond this are not added to, except by
// the file whose turn is next.
constexpr size_t kHeldBytes = size_t(64) << 20;

size_t BytesOf(const FileReading& reading) {
    size_t bytes = 0;
    for (const auto& [number, line] : reading.lines) bytes += line.sLineText.size() + 64;
    return bytes;
}

}  // namespace

// One reading thread's own scan state. A reader records nothing, so the
// result list, counters and observer it is built with are its own, unused.
struct ReadAhead::Reader {
    Reader(const QueryContext& query, const std::atomic<int>& stopRequest, const std::atomic<bool>& abandon)
        : context{query, results, counters, stopSearch, stopRequest, observer} {
        context.abandon = &abandon;
    }
    SearchResults results;
    RunCounters counters;
    std::atomic<int> stopSearch{0};
    SearchObserver observer;
    ContentScanContext context;
};

struct ReadAhead::Slot {
    enum class State { Queued, Reading, Done };
    std::string path;
    SharedFolder folder;
    bool withDetails = false;
    State state = State::Queued;
    FileReading reading;
    size_t bytes = 0;
};

ReadAhead::ReadAhead(const QueryContext& query, const std::atomic<int>& stopRequest, int threads)
    : window_(kFilesAheadPerThread * size_t(std::max(threads, 1))) {
    for (int i = 0; i < std::max(threads, 1); ++i)
        readers_.push_back(std::make_unique<Reader>(query, stopRequest, abandon_));
    for (size_t i = 1; i < readers_.size(); ++i) {
        try {
            helpers_.emplace_back([this, i] {
                AskHugePagesForThreadHeap();
                Help(*readers_[i]);
            });
        } catch (const std::system_error&) {
            break;  // fewer helpers: the run's own thread reads what they do not
        }
    }
}

ReadAhead::~ReadAhead() {
    Abandon();
    for (std::thread& helper : helpers_) helper.join();
}

uint64_t ReadAhead::Add(const tagSelectedFileFolderStruct& entry, SharedFolder folder) {
    std::lock_guard lock(mutex_);
    Slot& slot = slots_.emplace_back();
    slot.path = entry.ReadPath();
    slot.folder = std::move(folder);
    slot.withDetails = entry.findDataPending;
    changes_.fetch_add(1, std::memory_order_release);
    return first_ + slots_.size() - 1;
}

void ReadAhead::Wake() {
    std::lock_guard lock(mutex_);
    if (waiting_ > 0 && CanStart()) changed_.notify_all();
}

// Moves the mark of files read past every file now done.
void ReadAhead::NoteRead() {
    uint64_t ticket = readBefore_.load(std::memory_order_relaxed);
    while (ticket >= first_ && ticket - first_ < slots_.size() && slots_[ticket - first_].state == Slot::State::Done)
        ++ticket;
    readBefore_.store(ticket, std::memory_order_release);
}

void ReadAhead::Abandon() {
    abandon_ = true;
    std::lock_guard lock(mutex_);
    quit_ = true;
    changes_.fetch_add(1, std::memory_order_release);
    changed_.notify_all();
}

bool ReadAhead::CanStart() const {
    if (quit_ || next_ >= first_ + slots_.size() || next_ >= first_ + window_) return false;
    return heldBytes_ < kHeldBytes || next_ == first_;
}

void ReadAhead::ReadNext(std::unique_lock<std::mutex>& lock, Reader& reader) {
    Slot& slot = slots_[next_ - first_];  // stays in place: a slot is taken out only when done
    ++next_;
    slot.state = Slot::State::Reading;
    const std::string path = std::move(slot.path);  // the slot needs it no more
    const bool withDetails = slot.withDetails;
    SharedFolder folder = std::move(slot.folder);
    lock.unlock();
    reader.context.folder.Use(std::move(folder));
    FileReading reading =
        ReadFileContent(reader.context, path, std::numeric_limits<int64_t>::max(), withDetails);
    lock.lock();
    slot.bytes = BytesOf(reading);
    heldBytes_ += slot.bytes;
    slot.reading = std::move(reading);
    slot.state = Slot::State::Done;
    NoteRead();
    changed_.notify_all();
}

// Watches, with the lock let go, until the queue changes or kWatchForFiles
// has passed. It yields as it watches: the thread that queues the files may
// be waiting for this processor.
void ReadAhead::WatchForChange(std::unique_lock<std::mutex>& lock) {
    const uint64_t seen = changes_.load(std::memory_order_relaxed);
    lock.unlock();
    const auto until = std::chrono::steady_clock::now() + kWatchForFiles;
    while (changes_.load(std::memory_order_acquire) == seen && std::chrono::steady_clock::now() < until)
        std::this_thread::yield();
    lock.lock();
}

void ReadAhead::Help(Reader& reader) {
    std::unique_lock lock(mutex_);
    for (;;) {
        if (!quit_ && !CanStart()) WatchForChange(lock);
        ++waiting_;
        changed_.wait(lock, [this] { return quit_ || CanStart(); });
        --waiting_;
        if (quit_) return;
        ReadNext(lock, reader);
    }
}

FileReading ReadAhead::Take(uint64_t ticket) {
    std::unique_lock lock(mutex_);
    if (ticket != first_ || slots_.empty()) return {};  // tickets are taken in order
    for (;;) {
        const Slot::State state = slots_.front().state;
        if (state == Slot::State::Done) break;
        if (state == Slot::State::Queued || CanStart())
            ReadNext(lock, *readers_.front());
        else
            changed_.wait(lock);
    }
    FileReading reading = std::move(slots_.front().reading);
    heldBytes_ -= slots_.front().bytes;
    slots_.pop_front();
    ++first_;
    changes_.fetch_add(1, std::memory_order_release);
    // The window moved on: a helper that waited for it may start.
    if (waiting_ > 0 && CanStart()) changed_.notify_all();
    return reading;
}

}  // namespace qf
