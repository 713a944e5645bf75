#pragma once
// Free names for a copy that must not overwrite: "reportINC001" and so on.

#include <string>

namespace qf {

// The next text of the increase rule: "...INCnnn" counts on, anything else
// gets "INC001".
std::string IncreaseText(const std::string& text);

// "report.doc" -> "reportINC001.doc"; a name without extension keeps
// "noext" as its extension ("readmeINC001.noext").
std::string IncreaseFileName(const std::string& name);

// "report.doc" -> "report.docINC001"; "readme" -> "readme.noextINC001".
std::string IncreaseFileExtension(const std::string& name);

}  // namespace qf
