#pragma once
// Path joining on the native separator.

#include <string>
#include <string_view>

namespace qf {

constexpr char kPathSeparator = '/';

// Joins folder and name with one separator; never doubles it.
std::string JoinPath(std::string_view folder, std::string_view name);
// Drops trailing separators except for the root itself.
std::string TrimTrailingSeparators(std::string_view path);
// The last component of a path ("" for the root).
std::string BaseName(std::string_view path);
// Everything before the last component ("/" for a top-level entry).
std::string ParentPath(std::string_view path);

}  // namespace qf
