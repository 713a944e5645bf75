#pragma once
// Which queued folders take part: the Exclude list and the folder TERM rules.

#include <set>
#include <string>
#include <string_view>

#include "engine/term_rule.h"
#include "settings/options.h"

namespace qf {

// Exact, case-sensitive paths of the Exclude list (IGNDIRECTS).
using IgnoredFolderSet = std::set<std::string, std::less<>>;

IgnoredFolderSet MakeIgnoredFolderSet(const Options& options);
bool IsIgnoredFolder(const IgnoredFolderSet& ignored, std::string_view path);

struct FolderTermRules {
    TermRule include;  // FOLDSTRCHK, FOLDCRITER
    TermRule exclude;  // FOLDESTRCH, FOLDECRITE
};

FolderTermRules MakeFolderTermRules(const Options& options, const TermMatcher& matcher, UserMessages& messages);

// True when a folder with this name takes part.
bool FolderTakesPart(const FolderTermRules& rules, const TermMatcher& matcher, std::string_view name);

// The C:\WINDOWS test: first two characters and characters 4 to 10 equal
// "C:WINDOWS" exactly. Never true for a POSIX path.
bool LiesInWindowsFolder(std::string_view path);

}  // namespace qf
