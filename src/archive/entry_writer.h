#pragma once
// Writes one extracted entry: created exclusively (an existing name or link
// is never written through), in large blocks with no second copy, and stopped
// as soon as it grows past its bound, whatever size the archive claimed.

#include <cstdint>
#include <cstdio>
#include <string>

namespace qf {

enum class WriteOutcome { Written, TooLarge, Failed };

class EntryWriter {
public:
    EntryWriter(std::string path, uint64_t maxBytes);
    ~EntryWriter();  // an unfinished file is removed
    EntryWriter(const EntryWriter&) = delete;
    EntryWriter& operator=(const EntryWriter&) = delete;

    bool Open();
    // False once the bound is passed or the disk refuses the data.
    bool Write(const char* data, size_t size);
    // Closes the file; false when the last data could not be written.
    bool Finish();
    // Removes what was written (a failed or refused entry leaves nothing).
    void Abandon();

    bool TooLarge() const { return tooLarge_; }

private:
    std::string path_;
    uint64_t maxBytes_;
    uint64_t written_ = 0;
    std::FILE* file_ = nullptr;
    bool created_ = false;  // only a file made here is ever removed
    bool tooLarge_ = false;
    bool finished_ = false;
};

}  // namespace qf
