#include "platform/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

namespace qf {
namespace {

constexpr std::chrono::milliseconds kRetryPause{50};

}  // namespace

std::unique_ptr<FileLock> FileLock::Acquire(const std::string& path, std::chrono::milliseconds wait, bool& busy) {
    busy = false;
    // Close-on-exec: a converter that outlives its search must not keep the lock.
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) return nullptr;
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        if (flock(fd, LOCK_EX | LOCK_NB) == 0) return std::unique_ptr<FileLock>(new FileLock(fd));
        if (errno != EWOULDBLOCK && errno != EINTR) break;
        busy = true;
        if (std::chrono::steady_clock::now() >= deadline) break;
        std::this_thread::sleep_for(kRetryPause);
    }
    close(fd);
    return nullptr;
}

FileLock::~FileLock() { close(fd_); }  // closing releases the lock

}  // namespace qf
