#pragma once
// Path joining on the native separator.

#include <string>
#include <string_view>
#include <vector>

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

// The parts of a relative path split at '/' (and '\\' when `backslash`),
// with empty parts and "." dropped and ".." taking back one part, so that
// the result never climbs above where it starts.
std::vector<std::string_view> ResolvedParts(std::string_view path, bool backslash);

}  // namespace qf
