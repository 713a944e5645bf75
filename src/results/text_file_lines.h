#pragma once
// Reads the first lines of a text file the way the content scan reads them:
// as UTF-8 text in the file's own encoding, split at LF, a CR before the LF
// dropped, a last line without LF kept.

#include <cstdint>
#include <string>
#include <vector>

namespace qf {

// Lines 1 to lastLine (fewer when the file is shorter). False when the path
// is not a regular file or does not open: a FIFO put in a result's place
// must not hang the window.
bool ReadFirstLines(const std::string& path, uint32_t lastLine, std::vector<std::string>& lines);

}  // namespace qf
