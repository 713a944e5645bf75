#pragma once
// Work cut into parts that run side by side, on the calling thread and on
// up to parts - 1 threads started for it. Each part runs once, on whichever
// thread takes it first: a part must not count on the thread it runs on.
// Returns when every part is done; an exception thrown by a part is passed on.

#include <cstddef>
#include <functional>
#include <string>

namespace qf {

void RunParts(size_t parts, const std::function<void(size_t part)>& work);

// Parts made side by side on up to `threads` threads, each into a text that
// is handed to `emit` in the parts' order: part k after part k - 1. A
// thread holds one part's text at a time, so no more than `threads` texts
// are held at once. A failure of `make` or `emit` ends the work and is
// passed on; no part after it is emitted.
void RunPartsInOrder(size_t parts, int threads, const std::function<void(size_t part, std::string& text)>& make,
                     const std::function<void(const std::string& text)>& emit);

// How many parts `count` items make with at least `perPart` items a part,
// and no more parts than `threads` (at least one).
size_t PartsFor(size_t count, size_t perPart, int threads);

// The items of part `part` of `parts` of `count` items: [first, second).
std::pair<size_t, size_t> PartRange(size_t count, size_t parts, size_t part);

}  // namespace qf
