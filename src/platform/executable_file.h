#pragma once
// Whether an outside program can be started from a path.

#include <string>

namespace qf {

// True for a regular file (links followed) that the user may execute.
bool IsExecutableFile(const std::string& path);

}  // namespace qf
