#pragma once
// File systems that show the running system rather than stored data: proc,
// sysfs, debugfs, tracefs and their kin. Their files report no size or a
// made-up one, and links in them lead back into the whole tree.

#include <string>

namespace qf {

// True when path (links followed) lies on such a file system. The device
// files of devtmpfs cannot be told from an ordinary tmpfs this way; they are
// never files to read, and the listing leaves them out.
bool IsPseudoFileSystem(const std::string& path);
// The same for an open handle.
bool IsPseudoFileSystem(int fd);

}  // namespace qf
