#include "platform/folder_opened_ahead.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <climits>
#include <cstring>
#include <utility>

namespace qf {
namespace {

std::atomic<size_t> gHeld{0};

constexpr size_t kMostHeld = 1024;

// The handles the process may have open.
size_t HandleLimit() {
    struct rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return 4 * kMostHeld;
    return size_t(limit.rlim_cur);
}

// A quarter of the handles the process may have, and no more than
// kMostHeld: the rest stay for the files being read and everything else.
size_t MostHeld() {
    static const size_t most = std::min(kMostHeld, HandleLimit() / 4);
    return most;
}

bool Reserve() {
    size_t held = gHeld.load(std::memory_order_relaxed);
    while (held < MostHeld())
        if (gHeld.compare_exchange_weak(held, held + 1, std::memory_order_relaxed)) return true;
    return false;
}

void Release() { gHeld.fetch_sub(1, std::memory_order_relaxed); }

std::shared_ptr<FolderOpenedAhead> OpenAhead(int folderFd, const char* name) {
    // "name/." is opened: looking up "." in the folder needs the right to
    // enter it, so the one call opens the folder and checks that right.
    char path[NAME_MAX + 3];
    const size_t length = std::strlen(name);
    if (length > NAME_MAX || !Reserve()) return nullptr;
    std::memcpy(path, name, length);
    std::memcpy(path + length, "/.", 3);
    const int fd = openat(folderFd, path, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) return std::make_shared<FolderOpenedAhead>(fd);
    Release();
    return nullptr;
}

}  // namespace

FolderOpenedAhead::~FolderOpenedAhead() {
    if (fd_ < 0) return;
    close(fd_);
    Release();
}

int FolderOpenedAhead::Take() {
    if (fd_ >= 0) Release();
    return std::exchange(fd_, -1);
}

SubfolderCheck CheckSubfolder(int folderFd, const char* name, bool openAhead) {
    SubfolderCheck check;
    if (openAhead) check.opened = OpenAhead(folderFd, name);
    // Not opened (none may be held now, or it would not open or let itself
    // be entered): asked as before, so that the answer is the same.
    check.enterable = check.opened || faccessat(folderFd, name, X_OK, 0) == 0;
    return check;
}

size_t FoldersOpenedAhead() { return gHeld.load(std::memory_order_relaxed); }

void MakeRoomForFoldersOpenedAhead() {
    // Room for the held folders and as many handles again for the rest. A
    // handle that high makes the system grow the table; it is closed at once.
    const size_t room = std::min(2 * MostHeld() + 64, HandleLimit() - 1);
    const int high = fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, int(room));
    if (high >= 0) close(high);
}

}  // namespace qf
