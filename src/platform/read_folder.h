#pragma once
// The folder a reading thread last opened files in, kept open: files are
// read folder by folder, so most are opened by their name in a folder that
// is already open, without the system walking their whole path again.

#include <string>
#include <string_view>

namespace qf {

class ReadFolder {
public:
    ReadFolder() = default;
    ~ReadFolder();
    ReadFolder(ReadFolder&& other) noexcept;
    ReadFolder& operator=(ReadFolder&& other) noexcept;

    // A handle of `folder` to open names in, or -1 when it does not open.
    int HandleOf(std::string_view folder);

private:
    void Close();

    std::string folder_;
    int fd_ = -1;
};

}  // namespace qf
