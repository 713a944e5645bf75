#pragma once
// Private to the platform layer: one stat call that yields what a find-data
// record needs. Links are followed.

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <algorithm>
#include <cerrno>
#include <string>

#include "platform/file_time.h"
#include "platform/win_types.h"

namespace qf::detail {

struct EntryStat {
    mode_t mode = 0;
    uint64_t size = 0;
    uint64_t device = 0;
    uint64_t inode = 0;
    FILETIME creation;
    FILETIME lastAccess;
    FILETIME lastWrite;
};

// `flags` may add AT_EMPTY_PATH, to read an open file's own values.
inline bool StatEntry(int dirFd, const char* name, EntryStat& out, int flags = 0) {
#ifdef STATX_BTIME
    struct statx sx{};
    if (statx(dirFd, name, AT_STATX_SYNC_AS_STAT | flags, STATX_BASIC_STATS | STATX_BTIME, &sx) == 0) {
        out.mode = sx.stx_mode;
        out.size = sx.stx_size;
        out.device = makedev(sx.stx_dev_major, sx.stx_dev_minor);
        out.inode = sx.stx_ino;
        out.lastAccess = FileTimeFromUnix(sx.stx_atime.tv_sec, sx.stx_atime.tv_nsec);
        out.lastWrite = FileTimeFromUnix(sx.stx_mtime.tv_sec, sx.stx_mtime.tv_nsec);
        if (sx.stx_mask & STATX_BTIME) {
            out.creation = FileTimeFromUnix(sx.stx_btime.tv_sec, sx.stx_btime.tv_nsec);
        } else {
            const FILETIME changed = FileTimeFromUnix(sx.stx_ctime.tv_sec, sx.stx_ctime.tv_nsec);
            out.creation = CompareFileTime(changed, out.lastWrite) < 0 ? changed : out.lastWrite;
        }
        return true;
    }
    // Kernels or sandboxes without statx fall through to fstatat.
    if (errno != ENOSYS && errno != EPERM) return false;
#endif
    struct stat st{};
    if (fstatat(dirFd, name, &st, flags) != 0) return false;
    out.mode = st.st_mode;
    out.size = uint64_t(st.st_size);
    out.device = st.st_dev;
    out.inode = st.st_ino;
    out.lastAccess = FileTimeFromUnix(st.st_atim.tv_sec, st.st_atim.tv_nsec);
    out.lastWrite = FileTimeFromUnix(st.st_mtim.tv_sec, st.st_mtim.tv_nsec);
    const FILETIME changed = FileTimeFromUnix(st.st_ctim.tv_sec, st.st_ctim.tv_nsec);
    out.creation = CompareFileTime(changed, out.lastWrite) < 0 ? changed : out.lastWrite;
    return true;
}

// Fills a find-data record from a stat result; false for anything that is
// neither a regular file nor a folder.
inline bool FillFindData(const EntryStat& st, std::string name, WIN32_FIND_DATAA& data) {
    const bool folder = S_ISDIR(st.mode);
    if (!folder && !S_ISREG(st.mode)) return false;
    data.dwFileAttributes = folder ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
    data.ftCreationTime = st.creation;
    data.ftLastAccessTime = st.lastAccess;
    data.ftLastWriteTime = st.lastWrite;
    data.nFileSize = folder ? 0 : st.size;  // folders report no size, as on Windows
    data.cFileName = std::move(name);
    return true;
}

}  // namespace qf::detail
