#include "platform/folder_ops.h"

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/folder_removal.h"
#include "platform/paths.h"

namespace qf {
namespace {

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

bool IsInsideFolder(const std::string& path, const std::string& folder) {
    std::string resolvedPath, resolvedFolder;
    return ResolvePath(path, resolvedPath) && ResolvePath(folder, resolvedFolder) &&
           IsBelow(resolvedPath, resolvedFolder, true);
}

bool RemoveFolderContent(const std::string& folder) {
    detail::FdGuard fd(detail::OpenFolder(folder, false));
    return fd.Get() >= 0 && detail::RemoveContentAt(fd.Get());
}

std::optional<uint64_t> FreeDiskSpace(const std::string& path) {
    struct statvfs vfs{};
    if (statvfs(path.c_str(), &vfs) != 0) return std::nullopt;
    return uint64_t(vfs.f_bavail) * uint64_t(vfs.f_frsize);
}

}  // namespace qf
