#pragma once
// Archive entry names as paths below the extraction folder. A name is taken
// apart on "/" (and "\", which some archivers write); one that climbs out of
// the folder or is absolute has no place below it.

#include <optional>
#include <string>
#include <string_view>

namespace qf {

// The entry's relative path with "/" separators, without empty and "."
// parts and without a final separator; nothing for an absolute name, a
// drive-letter name, a ".." part or a name with no part left.
std::optional<std::string> SafeEntryPath(std::string_view entryName);

struct EntryNameParts {
    std::string folderPart;  // "" for an entry at the archive's top
    std::string fileName;
};

// Splits an entry name at its last "/" (after dropping a final one).
EntryNameParts SplitEntryName(std::string_view entryName);

}  // namespace qf
