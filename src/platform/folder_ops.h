#pragma once
// Creating and safely emptying working folders.

#include <cstdint>
#include <optional>
#include <string>

namespace qf {

// The marker file written into every working folder Quillfind creates or adopts.
constexpr const char* kWorkingFolderMarker = ".quillfind-working-folder";

// Creates the folder and its missing parents; true when it exists afterwards.
bool CreateFolders(const std::string& path);

enum class EmptyFolderResult {
    Emptied,      // content removed (or the folder was already empty and adopted)
    Created,      // did not exist; created and marked
    Refused,      // holds files but is neither inside the home nor marked: untouched
    Failed,       // something could not be removed or created
};

// Empties a working or log folder: allowed when it lies inside appHome, carries
// the marker, or is empty (then it is adopted and marked). Never follows links
// out of the folder. Afterwards the folder exists and carries the marker.
EmptyFolderResult EmptyWorkingFolder(const std::string& folder, const std::string& appHome);

// True when path lies inside (or is) folder, compared on resolved paths.
bool IsInsideFolder(const std::string& path, const std::string& folder);

// Removes everything inside folder without following links (the folder stays).
bool RemoveFolderContent(const std::string& folder);

// Free bytes available to the user on the file system holding path.
std::optional<uint64_t> FreeDiskSpace(const std::string& path);

}  // namespace qf
