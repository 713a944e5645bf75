#pragma once
// A folder's open handle that the walk and the threads reading the folder's
// files share: files are opened by name in it, without the system walking
// their whole path again. The last holder closes it.

#include <memory>
#include <string>

namespace qf {

class OpenFolder {
public:
    // Takes `fd`, a handle of the folder at `path`.
    OpenFolder(std::string path, int fd) : path_(std::move(path)), fd_(fd) {}
    ~OpenFolder();
    OpenFolder(const OpenFolder&) = delete;
    OpenFolder& operator=(const OpenFolder&) = delete;

    const std::string& Path() const { return path_; }
    int Fd() const { return fd_; }

private:
    std::string path_;
    int fd_;
};

using SharedFolder = std::shared_ptr<const OpenFolder>;

}  // namespace qf
