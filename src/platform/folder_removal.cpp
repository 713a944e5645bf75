#include "platform/folder_removal.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>

#include "platform/dir_reader.h"

namespace qf::detail {
namespace {

constexpr int kDirFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

// Which mount a folder belongs to. A bind mount of a folder of the same file
// system has the same device, so the mount id decides where the kernel
// reports one; the device alone is the fallback.
struct MountIdentity {
    dev_t device = 0;
    uint64_t mountId = 0;
    bool hasMountId = false;
    bool operator==(const MountIdentity&) const = default;
};

bool IdentifyMount(int fd, MountIdentity& out) {
    struct statx stx{};
    if (statx(fd, "", AT_EMPTY_PATH | AT_SYMLINK_NOFOLLOW, STATX_MNT_ID, &stx) == 0) {
        out.device = makedev(stx.stx_dev_major, stx.stx_dev_minor);
        out.hasMountId = (stx.stx_mask & STATX_MNT_ID) != 0;
        out.mountId = out.hasMountId ? stx.stx_mnt_id : 0;
        return true;
    }
    struct stat st{};
    if (fstat(fd, &st) != 0) return false;
    out = MountIdentity{st.st_dev, 0, false};
    return true;
}

bool RemoveTree(int dirFd, const MountIdentity& mount);

// Removes one subfolder and its content. Opened with O_NOFOLLOW, so a link
// that replaced the folder meanwhile is unlinked instead of entered.
bool RemoveFolderAt(int parentFd, const char* name, const MountIdentity& mount) {
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
    MountIdentity here;
    if (!IdentifyMount(fd, here) || !(here == mount)) return false;  // never reach into another mount
    struct stat st{};
    if (fstat(fd, &st) != 0) return false;
    if ((st.st_mode & S_IRWXU) != S_IRWXU && fchmod(fd, st.st_mode | S_IRWXU) != 0) return false;
    const bool contentRemoved = RemoveTree(fd, mount);
    return unlinkat(parentFd, name, AT_REMOVEDIR) == 0 && contentRemoved;
}

bool RemoveEntries(int dirFd, const MountIdentity& mount, std::string_view keep) {
    std::vector<std::string> names;
    if (!ReadNames(dirFd, names)) return false;
    bool ok = true;
    for (const std::string& name : names) {
        struct stat st{};
        if (fstatat(dirFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT) ok = false;
            continue;
        }
        if (!keep.empty() && name == keep && S_ISREG(st.st_mode)) continue;
        if (S_ISDIR(st.st_mode)) {
            if (!RemoveFolderAt(dirFd, name.c_str(), mount)) ok = false;
        } else if (unlinkat(dirFd, name.c_str(), 0) != 0 && errno != ENOENT) {
            ok = false;  // links are removed here, never followed; a file mounted over stays
        }
    }
    return ok;
}

bool RemoveTree(int dirFd, const MountIdentity& mount) { return RemoveEntries(dirFd, mount, {}); }

}  // namespace

FdGuard::~FdGuard() {
    if (fd_ >= 0) close(fd_);
}

int OpenFolder(const std::string& path, bool noFollow) {
    return open(path.c_str(), kDirFlags | (noFollow ? O_NOFOLLOW : 0));
}

bool ReadNames(int dirFd, std::vector<std::string>& names) {
    // A fresh descriptor, so that the caller's keeps its own position.
    const int listFd = openat(dirFd, ".", kDirFlags);
    if (listFd < 0) return false;
    return ForEachDirEntry(listFd, [&](const dirent& ent) { names.emplace_back(ent.d_name); });
}

bool RemoveContentAt(int dirFd, std::string_view keep) {
    MountIdentity mount;
    return IdentifyMount(dirFd, mount) && RemoveEntries(dirFd, mount, keep);
}

}  // namespace qf::detail
