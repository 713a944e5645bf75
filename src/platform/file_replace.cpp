#include "platform/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

#include "platform/paths.h"
#include "platform/random_token.h"

namespace qf {
namespace {

constexpr int kMaxLinkHops = 40;  // as the kernel allows
constexpr int kNameAttempts = 100;

// Follows links to the file they finally name, which may not exist yet (a
// dangling link to a new settings file is saved at its target).
bool FinalTarget(const std::string& path, std::string& target) {
    target = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat st{};
        if (lstat(target.c_str(), &st) != 0) return errno == ENOENT;
        if (!S_ISLNK(st.st_mode)) return true;
        char buffer[PATH_MAX];
        const ssize_t n = readlink(target.c_str(), buffer, sizeof buffer);
        if (n <= 0 || size_t(n) >= sizeof buffer) return false;
        const std::string link(buffer, size_t(n));
        target = link.front() == kPathSeparator ? link : JoinPath(ParentPath(target), link);
    }
    return false;
}

std::string FolderOf(const std::string& target) {
    const std::string parent = ParentPath(target);
    return parent.empty() ? std::string(".") : parent;
}

// A new file beside the target under a name nobody can plant a link at in advance.
int CreateTemporary(const std::string& target, std::string& name) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        name = JoinPath(FolderOf(target), "." + BaseName(target) + "." + RandomToken(6) + ".part");
        const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(size_t(n));
    }
    return true;
}

// The rename itself reaches the disk only with its folder.
void SyncFolder(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

}  // namespace

ReplaceResult ReplaceFileContent(const std::string& path, std::string_view bytes) {
    std::string target;
    if (path.empty() || !FinalTarget(path, target)) return ReplaceResult::OpenFailed;
    struct stat old{};
    const bool existed = lstat(target.c_str(), &old) == 0;
    if (existed && !S_ISREG(old.st_mode)) return ReplaceResult::NotRegularFile;

    std::string temporary;
    const int fd = CreateTemporary(target, temporary);
    if (fd < 0) return ReplaceResult::OpenFailed;
    if (existed) {
        // The owner first: changing it may clear the set-id bits set next.
        // Only root may give a file away, so a refusal is no error.
        const int ownerKept = fchown(fd, old.st_uid, old.st_gid);
        (void)ownerKept;
        fchmod(fd, old.st_mode & 07777);
    }
    const bool written = WriteAll(fd, bytes) && fsync(fd) == 0;
    const bool closed = close(fd) == 0;
    if (!written || !closed) {
        unlink(temporary.c_str());
        return ReplaceResult::WriteFailed;
    }
    if (rename(temporary.c_str(), target.c_str()) != 0) {
        unlink(temporary.c_str());
        return ReplaceResult::OpenFailed;
    }
    SyncFolder(FolderOf(target));
    return ReplaceResult::Written;
}

}  // namespace qf
