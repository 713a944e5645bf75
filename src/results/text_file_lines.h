#pragma once
// Reads lines of a result's text file again, the way the content scan reads
// them: as UTF-8 text in the file's own encoding, split at LF, a CR before
// the LF dropped, a last line without LF kept, and a line longer than the
// scan's cap kept as the scan keeps it (its first bytes and the note that it
// was cut). The file is opened as the scan opens it: only a regular file,
// without waiting on a FIFO put in its place, and no more than it held when
// opened.

#include <cstdint>
#include <string>
#include <vector>

#include "results/line_cut.h"

namespace qf {

// Lines firstLine to lastLine (1-based; fewer when the file is shorter):
// lines[0] is line firstLine. False when the path is no regular file or
// does not open.
bool ReadLineRange(const std::string& path, uint32_t firstLine, uint32_t lastLine, std::vector<std::string>& lines,
                   size_t lineCap = kLineCap);

}  // namespace qf
