#include "platform/parallel_parts.h"

#include <algorithm>
#include <future>
#include <system_error>
#include <utility>
#include <vector>

#include "platform/heap_steps.h"

namespace qf {

void RunParts(size_t parts, const std::function<void(size_t part)>& work) {
    std::vector<std::future<void>> others;
    for (size_t part = 1; part < parts; ++part) {
        try {
            others.push_back(std::async(std::launch::async, [&work, part] {
                AskHugePagesForThreadHeap();
                work(part);
            }));
        } catch (const std::system_error&) {
            work(part);  // no thread to spare: done here
        }
    }
    if (parts > 0) work(0);
    for (std::future<void>& other : others) other.get();
}

size_t PartsFor(size_t count, size_t perPart, int threads) {
    const size_t most = size_t(std::max(threads, 1));
    return std::clamp<size_t>(count / std::max<size_t>(perPart, 1), 1, most);
}

std::pair<size_t, size_t> PartRange(size_t count, size_t parts, size_t part) {
    return {count * part / parts, count * (part + 1) / parts};
}

}  // namespace qf
