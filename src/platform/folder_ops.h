#pragma once
// Creating folders, and emptying them without ever leaving them.

#include <cstdint>
#include <optional>
#include <string>

namespace qf {

// Creates the folder and its missing parents; true when it exists afterwards.
bool CreateFolders(const std::string& path);

// True when path lies inside (or is) folder, compared on resolved paths.
bool IsInsideFolder(const std::string& path, const std::string& folder);

// Removes everything inside folder without following links or crossing into
// another mount (the folder stays).
bool RemoveFolderContent(const std::string& folder);

// Free bytes available to the user on the file system holding path.
std::optional<uint64_t> FreeDiskSpace(const std::string& path);

}  // namespace qf
