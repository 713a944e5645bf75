#include "platform/read_folder.h"

#include <fcntl.h>
#include <unistd.h>

#include <utility>

namespace qf {
namespace {

#ifdef O_PATH
constexpr int kFolderFlags = O_PATH | O_DIRECTORY | O_CLOEXEC;  // opens nothing but the name
#else
constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
#endif

}  // namespace

ReadFolder::~ReadFolder() { Close(); }

ReadFolder::ReadFolder(ReadFolder&& other) noexcept
    : folder_(std::move(other.folder_)), fd_(std::exchange(other.fd_, -1)), shared_(std::move(other.shared_)) {}

ReadFolder& ReadFolder::operator=(ReadFolder&& other) noexcept {
    if (this != &other) {
        Close();
        folder_ = std::move(other.folder_);
        fd_ = std::exchange(other.fd_, -1);
        shared_ = std::move(other.shared_);
    }
    return *this;
}

void ReadFolder::Close() {
    if (shared_)
        shared_.reset();
    else if (fd_ >= 0)
        close(fd_);
    fd_ = -1;
}

int ReadFolder::HandleOf(std::string_view folder) {
    if (fd_ >= 0 && folder == folder_) return fd_;
    Close();
    folder_.assign(folder);
    fd_ = open(folder_.c_str(), kFolderFlags);
    return fd_;
}

void ReadFolder::Use(SharedFolder folder) {
    if (!folder || folder->Fd() < 0 || (fd_ >= 0 && folder_ == folder->Path())) return;
    Close();
    folder_ = folder->Path();
    fd_ = folder->Fd();
    shared_ = std::move(folder);
}

}  // namespace qf
