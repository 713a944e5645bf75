#include "platform/folder_ops.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/dir_reader.h"
#include "platform/paths.h"

namespace qf {
namespace {

constexpr int kDirFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
constexpr char kMarkerText[] =
    "Quillfind uses this folder for its working files and empties it at every search.\r\n";

// Closes a descriptor at the end of a scope.
class FdGuard {
public:
    explicit FdGuard(int fd) : fd_(fd) {}
    ~FdGuard() {
        if (fd_ >= 0) close(fd_);
    }
    FdGuard(const FdGuard&) = delete;
    FdGuard& operator=(const FdGuard&) = delete;
    int Get() const { return fd_; }

private:
    int fd_;
};

// Resolves links and dots; a path that does not exist yet is resolved as far
// as it exists and the rest appended.
bool ResolvePath(const std::string& path, std::string& out) {
    if (path.empty()) return false;
    if (char* resolved = realpath(path.c_str(), nullptr)) {
        out = resolved;
        std::free(resolved);
        return true;
    }
    if (errno != ENOENT) return false;
    const std::string trimmed = TrimTrailingSeparators(path);
    const std::string base = BaseName(trimmed);
    std::string parent = ParentPath(trimmed);
    if (parent.empty()) parent = ".";
    std::string resolvedParent;
    if (base.empty() || !ResolvePath(parent, resolvedParent)) return false;
    if (base == ".")
        out = resolvedParent;
    else if (base == "..")
        out = ParentPath(resolvedParent);
    else
        out = JoinPath(resolvedParent, base);
    return true;
}

bool IsBelow(const std::string& resolvedPath, const std::string& resolvedFolder, bool allowSame) {
    if (resolvedPath == resolvedFolder) return allowSame;
    if (resolvedFolder == "/") return true;
    return resolvedPath.size() > resolvedFolder.size() &&
           resolvedPath.compare(0, resolvedFolder.size(), resolvedFolder) == 0 &&
           resolvedPath[resolvedFolder.size()] == kPathSeparator;
}

// Names in a folder, without "." and "..". A fresh descriptor is opened so
// that the caller's descriptor keeps its own position.
bool ReadNames(int dirFd, std::vector<std::string>& names) {
    const int listFd = openat(dirFd, ".", kDirFlags);
    if (listFd < 0) return false;
    return detail::ForEachDirEntry(listFd, [&](const dirent& ent) { names.emplace_back(ent.d_name); });
}

bool HasMarker(int dirFd) {
    struct stat st{};
    return fstatat(dirFd, kWorkingFolderMarker, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode);
}

// An existing marker is left as it is: it might be a hard link to a file elsewhere.
bool WriteMarker(int dirFd) {
    if (HasMarker(dirFd)) return true;
    const int fd = openat(dirFd, kWorkingFolderMarker, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const ssize_t size = sizeof kMarkerText - 1;
    const bool ok = write(fd, kMarkerText, size) == size;
    return close(fd) == 0 && ok;
}

bool RemoveContentAt(int dirFd, dev_t device, bool keepMarker);

// Removes one subfolder and its content. Opened with O_NOFOLLOW, so a link
// that replaced the folder meanwhile is unlinked instead of entered.
bool RemoveFolderAt(int parentFd, const char* name, dev_t device) {
    int fd = openat(parentFd, name, kDirFlags | O_NOFOLLOW);
    if (fd < 0 && errno == EACCES) {
        // A folder without read permission, as some archives create them.
        if (fchmodat(parentFd, name, S_IRWXU, AT_SYMLINK_NOFOLLOW) == 0)
            fd = openat(parentFd, name, kDirFlags | O_NOFOLLOW);
    }
    if (fd < 0) {
        if (errno == ELOOP || errno == ENOTDIR) return unlinkat(parentFd, name, 0) == 0;
        return false;
    }
    FdGuard guard(fd);
    struct stat st{};
    if (fstat(fd, &st) != 0) return false;
    if (st.st_dev != device) return false;  // a mount point: never reach into another file system
    if ((st.st_mode & S_IRWXU) != S_IRWXU && fchmod(fd, st.st_mode | S_IRWXU) != 0) return false;
    const bool contentRemoved = RemoveContentAt(fd, device, false);
    return unlinkat(parentFd, name, AT_REMOVEDIR) == 0 && contentRemoved;
}

bool RemoveContentAt(int dirFd, dev_t device, bool keepMarker) {
    std::vector<std::string> names;
    if (!ReadNames(dirFd, names)) return false;
    bool ok = true;
    for (const std::string& name : names) {
        struct stat st{};
        if (fstatat(dirFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT) ok = false;
            continue;
        }
        if (keepMarker && name == kWorkingFolderMarker && S_ISREG(st.st_mode)) continue;
        if (S_ISDIR(st.st_mode)) {
            if (!RemoveFolderAt(dirFd, name.c_str(), device)) ok = false;
        } else if (unlinkat(dirFd, name.c_str(), 0) != 0 && errno != ENOENT) {
            ok = false;  // links are removed here, never followed
        }
    }
    return ok;
}

bool IsEmptyAt(int dirFd) {
    std::vector<std::string> names;
    return ReadNames(dirFd, names) && names.empty();
}

EmptyFolderResult CreateMarkedFolder(const std::string& folder) {
    if (!CreateFolders(folder)) return EmptyFolderResult::Failed;
    FdGuard fd(open(folder.c_str(), kDirFlags));
    return fd.Get() >= 0 && WriteMarker(fd.Get()) ? EmptyFolderResult::Created : EmptyFolderResult::Failed;
}

}  // namespace

bool CreateFolders(const std::string& path) {
    const std::string trimmed = TrimTrailingSeparators(path);
    if (trimmed.empty()) return false;
    // Every prefix is tried; whether the whole path ends up a folder decides.
    for (size_t i = 1; i <= trimmed.size(); ++i) {
        if (i < trimmed.size() && trimmed[i] != kPathSeparator) continue;
        if (trimmed[i - 1] == kPathSeparator) continue;
        mkdir(trimmed.substr(0, i).c_str(), 0777);
    }
    struct stat st{};
    return stat(trimmed.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

EmptyFolderResult EmptyWorkingFolder(const std::string& folder, const std::string& appHome) {
    if (folder.empty()) return EmptyFolderResult::Failed;
    struct stat st{};
    if (stat(folder.c_str(), &st) != 0)
        return errno == ENOENT ? CreateMarkedFolder(folder) : EmptyFolderResult::Failed;
    if (!S_ISDIR(st.st_mode)) return EmptyFolderResult::Failed;

    std::string resolved;
    if (!ResolvePath(folder, resolved)) return EmptyFolderResult::Failed;
    FdGuard fd(open(resolved.c_str(), kDirFlags | O_NOFOLLOW));
    if (fd.Get() < 0) return EmptyFolderResult::Failed;

    // The home itself holds the user's settings: only folders below it qualify.
    std::string resolvedHome;
    const bool insideHome = !appHome.empty() && ResolvePath(appHome, resolvedHome) &&
                            IsBelow(resolved, resolvedHome, false);
    if (!insideHome && !HasMarker(fd.Get()) && !IsEmptyAt(fd.Get())) return EmptyFolderResult::Refused;

    struct stat top{};
    if (fstat(fd.Get(), &top) != 0) return EmptyFolderResult::Failed;
    // The marker stays while emptying, so that a folder left half-emptied is still recognised.
    const bool removed = RemoveContentAt(fd.Get(), top.st_dev, true);
    const bool marked = WriteMarker(fd.Get());
    return removed && marked ? EmptyFolderResult::Emptied : EmptyFolderResult::Failed;
}

bool IsInsideFolder(const std::string& path, const std::string& folder) {
    std::string resolvedPath, resolvedFolder;
    return ResolvePath(path, resolvedPath) && ResolvePath(folder, resolvedFolder) &&
           IsBelow(resolvedPath, resolvedFolder, true);
}

bool RemoveFolderContent(const std::string& folder) {
    FdGuard fd(open(folder.c_str(), kDirFlags));
    struct stat st{};
    if (fd.Get() < 0 || fstat(fd.Get(), &st) != 0) return false;
    return RemoveContentAt(fd.Get(), st.st_dev, false);
}

std::optional<uint64_t> FreeDiskSpace(const std::string& path) {
    struct statvfs vfs{};
    if (statvfs(path.c_str(), &vfs) != 0) return std::nullopt;
    return uint64_t(vfs.f_bavail) * uint64_t(vfs.f_frsize);
}

}  // namespace qf
