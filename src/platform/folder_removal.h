#pragma once
// Private to the platform layer: removing what lies inside an open folder
// without ever following a link or crossing into another mount.

#include <string>
#include <string_view>
#include <vector>

namespace qf::detail {

// Opens a folder for reading entries (never through a link when noFollow).
int OpenFolder(const std::string& path, bool noFollow);

// Names in an open folder, without "." and ".."; the descriptor keeps its position.
bool ReadNames(int dirFd, std::vector<std::string>& names);

// Removes every entry inside the open folder except `keep` (when it is a
// regular file). A subfolder on another mount, a bind mount included, is
// left with its content: false then, as for anything that could not go.
bool RemoveContentAt(int dirFd, std::string_view keep = {});

// Closes a descriptor at the end of a scope.
class FdGuard {
public:
    explicit FdGuard(int fd) : fd_(fd) {}
    ~FdGuard();
    FdGuard(const FdGuard&) = delete;
    FdGuard& operator=(const FdGuard&) = delete;
    int Get() const { return fd_; }

private:
    int fd_;
};

}  // namespace qf::detail
