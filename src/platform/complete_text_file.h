#pragma once
// Writing a whole text file that the user is told was saved: any failure,
// also one after the file was opened (a full disk), is reported.

#include <string>
#include <vector>

namespace qf {

// Replaces the file with the lines, each followed by CR LF. False when the
// file cannot be opened or not every line reached it.
bool WriteCrLfLinesCompletely(const std::string& path, const std::vector<std::string>& lines);

}  // namespace qf
