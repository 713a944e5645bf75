#pragma once
// The folder a reading thread last opened files in, kept open: files are
// read folder by folder, so most are opened by their name in a folder that
// is already open, without the system walking their whole path again.

#include <string>
#include <string_view>

#include "platform/open_folder.h"

namespace qf {

class ReadFolder {
public:
    ReadFolder() = default;
    ~ReadFolder();
    ReadFolder(ReadFolder&& other) noexcept;
    ReadFolder& operator=(ReadFolder&& other) noexcept;

    // A handle of `folder` to open names in, or -1 when it does not open.
    int HandleOf(std::string_view folder);
    // The walk's handle of a folder whose files are read next, kept instead
    // of opening the folder again.
    void Use(SharedFolder folder);

private:
    void Close();

    std::string folder_;
    int fd_ = -1;
    SharedFolder shared_;  // owns fd_ when set
};

}  // namespace qf
