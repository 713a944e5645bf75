#pragma once
// How much of one line of a searched file is held, and how a longer line
// reads where it is kept or shown: its first bytes and a note that it was cut.

#include <cstddef>
#include <string>

namespace qf {

// The longest line that is read whole. The reader holds it twice (as read
// and folded) and a record of it is copied a few times on its way to the
// result list, so it is kept well below what one file may take.
constexpr size_t kLineCap = size_t(16) << 20;

// The note that ends the kept text of a cut line: " [line cut at 16 MiB]".
std::string LineCutNote(size_t keptBytes);

}  // namespace qf
