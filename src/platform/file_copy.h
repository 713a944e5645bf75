#pragma once
// Copying one file as smart copy needs it: exclusive or replacing, with the
// modification time kept.

#include <string>

namespace qf {

enum class CopyOutcome {
    Copied,
    DestinationExists,  // only without overwriting: the name is taken
    Failed,             // source unreadable or missing, destination not writable, disk full
};

// Copies a regular file. Without overwrite the destination is created
// exclusively. With overwrite the data goes into a fresh file beside the
// destination that then replaces it, so a failed copy leaves the old file
// intact and a link at the destination is replaced, never written through.
// A partial copy is always removed. The source is only read.
CopyOutcome CopyFileKeepTime(const std::string& source, const std::string& destination, bool overwrite);

}  // namespace qf
