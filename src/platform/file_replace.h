#pragma once
// Replacing a whole file so that a failed save never harms the file it was
// meant to replace: the data goes into a new file beside the target, reaches
// the disk, and only then takes the target's name.

#include <string>
#include <string_view>

namespace qf {

enum class ReplaceResult {
    Written,
    OpenFailed,      // no new file could be made beside the target, or it could not take its name
    NotRegularFile,  // the target is a device, a FIFO, a folder...: left alone
    WriteFailed,     // the data did not reach the disk (a full disk); the target is unchanged
};

// Replaces the file at `path` with `bytes`. A symbolic link is followed to
// its target, which is replaced while the link stays. An existing target
// keeps its permission bits (and its owner where the system allows). The new
// file is created exclusively and never through a link, and is flushed to the
// disk before it is renamed over the target. Nothing is left behind on failure.
ReplaceResult ReplaceFileContent(const std::string& path, std::string_view bytes);

}  // namespace qf
