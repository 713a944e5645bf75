#include "platform/parallel_parts.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <future>
#include <mutex>
#include <system_error>
#include <utility>
#include <vector>

#include "platform/heap_steps.h"

namespace qf {

void RunParts(size_t parts, const std::function<void(size_t part)>& work) {
    // Each thread takes the next part no thread has taken. A thread may be
    // started late, queued behind the caller on a busy processor: the
    // caller then takes its part too, rather than wait for it.
    std::atomic<size_t> next{0};
    const auto takeParts = [&] {
        for (size_t part = next.fetch_add(1); part < parts; part = next.fetch_add(1)) work(part);
    };
    std::vector<std::future<void>> others;
    for (size_t thread = 1; thread < parts; ++thread) {
        try {
            others.push_back(std::async(std::launch::async, [&takeParts] {
                AskHugePagesForThreadHeap();
                takeParts();
            }));
        } catch (const std::system_error&) {
            break;  // no thread to spare: the others take its part
        }
    }
    takeParts();
    for (std::future<void>& other : others) other.get();
}

void RunPartsInOrder(size_t parts, int threads, const std::function<void(size_t part, std::string& text)>& make,
                     const std::function<void(const std::string& text)>& emit) {
    std::atomic<size_t> next{0};
    std::mutex mutex;
    std::condition_variable turn;
    size_t emitted = 0;  // parts handed on so far
    bool failed = false;
    const auto fail = [&] {
        {
            std::lock_guard lock(mutex);
            failed = true;
        }
        turn.notify_all();
    };
    // Parts are taken in their order, so the next part to emit is always
    // held by a thread that waits for no one: no thread waits for ever.
    const auto makeAndEmit = [&](size_t) {
        std::string text;
        for (size_t part = next.fetch_add(1); part < parts; part = next.fetch_add(1)) {
            try {
                text.clear();
                make(part, text);
                std::unique_lock lock(mutex);
                turn.wait(lock, [&] { return emitted == part || failed; });
                if (failed) return;
                lock.unlock();
                emit(text);
                lock.lock();
                ++emitted;
            } catch (...) {
                fail();
                throw;
            }
            turn.notify_all();
        }
    };
    RunParts(PartsFor(parts, 1, threads), makeAndEmit);  // a thread for each part at most
}

size_t PartsFor(size_t count, size_t perPart, int threads) {
    const size_t most = size_t(std::max(threads, 1));
    return std::clamp<size_t>(count / std::max<size_t>(perPart, 1), 1, most);
}

std::pair<size_t, size_t> PartRange(size_t count, size_t parts, size_t part) {
    return {count * part / parts, count * (part + 1) / parts};
}

}  // namespace qf
