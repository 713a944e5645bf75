#pragma once
// Which archives are unzipped: the archive's file name against the ZIP
// file-name patterns. This is not the general wildcard match: a "*" decides
// only where it meets the first difference.

#include <string>
#include <string_view>
#include <vector>

namespace qf {

// Both lowered; "?" takes the character in its place, a "*" at the first
// differing position matches the rest; otherwise the lengths must agree.
bool ZipNameMatches(std::string_view pattern, std::string_view fileName);

// True when one pattern matches; an empty list matches every name.
bool MatchesZipPatterns(const std::vector<std::string>& patterns, std::string_view fileName);

}  // namespace qf
