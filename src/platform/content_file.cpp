#include "platform/content_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

#include "platform/entry_stat.h"
#include "platform/paths.h"

namespace qf {
namespace {

// Non-blocking: opening a FIFO that was put in a file's place returns at once
// (the check after opening then skips it) instead of waiting for a writer.
constexpr int kReadFlags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// A link is looked through with a handle that opens nothing (no FIFO waits,
// no device driver is woken); only a regular file at its end is opened, and
// through that handle, so nothing can be swapped in between.
int OpenThroughLink(const std::string& path) {
#ifdef O_PATH
    const int probe = open(path.c_str(), O_PATH | O_CLOEXEC);
    if (probe < 0) return -1;
    struct stat seen{};
    int fd = -1;
    if (fstat(probe, &seen) != 0 || !S_ISREG(seen.st_mode)) errno = 0;  // nothing to read, no fault
    if (S_ISREG(seen.st_mode)) {
        fd = open(("/proc/self/fd/" + std::to_string(probe)).c_str(), kReadFlags);
        // Without /proc the link is opened again, and kept only when it still
        // leads to the file the probe saw.
        if (fd < 0 && errno == ENOENT) {
            fd = open(path.c_str(), kReadFlags);
            struct stat opened{};
            if (fd >= 0 && (fstat(fd, &opened) != 0 || !SameFile(seen, opened))) {
                close(fd);
                fd = -1;
            }
        }
    }
    close(probe);
    return fd;
#else
    return open(path.c_str(), kReadFlags);
#endif
}

// Opened by name in its folder's handle when there is one; a link at the
// end of the path fails with ELOOP either way.
int OpenNoFollow(const std::string& path, ReadFolder* folders) {
    const size_t slash = path.rfind('/');
    if (folders && slash != std::string::npos && slash > 0 && slash + 1 < path.size()) {
        const int folder = folders->HandleOf(std::string_view(path).substr(0, slash));
        if (folder >= 0) return openat(folder, path.c_str() + slash + 1, kReadFlags | O_NOFOLLOW);
    }
    return open(path.c_str(), kReadFlags | O_NOFOLLOW);
}

}  // namespace

ContentFile::~ContentFile() { Close(); }

ContentFile::ContentFile(ContentFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), limit_(std::exchange(other.limit_, 0)), left_(std::exchange(other.left_, 0)) {}

ContentFile& ContentFile::operator=(ContentFile&& other) noexcept {
    if (this != &other) {
        Close();
        fd_ = std::exchange(other.fd_, -1);
        limit_ = std::exchange(other.limit_, 0);
        left_ = std::exchange(other.left_, 0);
    }
    return *this;
}

void ContentFile::Close() {
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
}

ContentFile ContentFile::Open(const std::string& path, uint64_t maxBytes, WIN32_FIND_DATAA* details,
                              ReadFolder* folders) {
    int fd = OpenNoFollow(path, folders);
    if (fd < 0 && errno == ELOOP) fd = OpenThroughLink(path);
    if (fd < 0) return {};
    detail::EntryStat st;
    const bool statted = detail::StatEntry(fd, "", st, AT_EMPTY_PATH);
    if (!statted || !S_ISREG(st.mode)) {
        const int error = statted ? 0 : errno;
        close(fd);
        errno = error;
        return {};
    }
    if (details) detail::FillFindData(st, BaseName(path), *details);
    // What is appended while the file is read is left for the next search: a
    // file that never stops growing must not keep the search reading. Files
    // of pseudo file systems that report no size are not read at all.
    return ContentFile(fd, std::min(maxBytes, st.size));
}

size_t ContentFile::Read(char* to, size_t n) {
    size_t got = 0;
    while (got < n && left_ > 0 && fd_ >= 0) {
        const size_t want = size_t(std::min<uint64_t>(n - got, left_));
        const ssize_t r = read(fd_, to + got, want);
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) {  // the end, or an error that ends the reading
            left_ = 0;
            break;
        }
        got += size_t(r);
        left_ -= uint64_t(r);
    }
    return got;
}

size_t ContentFile::ReadAt(uint64_t offset, char* to, size_t n) const {
    size_t got = 0;
    while (got < n && fd_ >= 0 && offset + got < limit_) {
        const size_t want = size_t(std::min<uint64_t>(n - got, limit_ - offset - got));
        const ssize_t r = pread(fd_, to + got, want, off_t(offset + got));
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) break;
        got += size_t(r);
    }
    return got;
}

}  // namespace qf
