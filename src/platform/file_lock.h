#pragma once
// An exclusive lock on a file, shared by every process on the machine that
// asks for it, held as long as the object lives.

#include <chrono>
#include <memory>
#include <string>

namespace qf {

class FileLock {
public:
    // Creates the lock file when missing and waits up to `wait` for the
    // lock. Nothing when another holder keeps it that long (`busy` is then
    // true) or when the file cannot be made.
    static std::unique_ptr<FileLock> Acquire(const std::string& path, std::chrono::milliseconds wait, bool& busy);

    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    explicit FileLock(int fd) : fd_(fd) {}
    int fd_;
};

}  // namespace qf
