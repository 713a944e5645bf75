#pragma once
// A file opened to read its content. Only a regular file is read: a FIFO,
// device or socket put in a listed file's place is skipped without waiting,
// and a symbolic link is followed only to a regular file, checked before
// anything is opened for reading. No more is read than the file held when it
// was opened, and never more than 2 GiB.

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/read_folder.h"
#include "platform/win_types.h"

namespace qf {

// The most of one file that a search reads; a larger file is not selected.
constexpr uint64_t kMaxContentBytes = 2147483648ULL;

class ContentFile {
public:
    ContentFile() = default;
    ~ContentFile();
    ContentFile(ContentFile&& other) noexcept;
    ContentFile& operator=(ContentFile&& other) noexcept;
    ContentFile(const ContentFile&) = delete;
    ContentFile& operator=(const ContentFile&) = delete;

    // Not open when path is not a regular file (after links) or cannot be
    // read; errno then tells why, and is 0 for a file that is not regular.
    // With `details`, the opened file's attributes, times, size and name go
    // there (the same values a listing reports, read without a second lookup).
    // With `folders`, the file is opened in its folder's handle kept there.
    static ContentFile Open(const std::string& path, uint64_t maxBytes = kMaxContentBytes,
                            WIN32_FIND_DATAA* details = nullptr, ReadFolder* folders = nullptr);

    bool IsOpen() const { return fd_ >= 0; }

    // Fills `to` with up to n bytes and returns how many; fewer only at the
    // end of what may be read (a read error also ends it).
    size_t Read(char* to, size_t n);

    // Reads ahead from offset without moving on: up to n bytes, fewer only
    // at the end of what may be read.
    size_t ReadAt(uint64_t offset, char* to, size_t n) const;
    // Where Read goes on.
    uint64_t Position() const { return limit_ - left_; }
    // What Read may still give.
    uint64_t Left() const { return left_; }

private:
    ContentFile(int fd, uint64_t limit) : fd_(fd), limit_(limit), left_(limit) {}
    void Close();

    int fd_ = -1;
    uint64_t limit_ = 0;  // bytes that may be read in all
    uint64_t left_ = 0;   // bytes that Read may still read
};

}  // namespace qf
