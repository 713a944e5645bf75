#include "archive/entry_writer.h"

#include <filesystem>
#include <system_error>

namespace qf {

EntryWriter::EntryWriter(std::string path, uint64_t maxBytes) : path_(std::move(path)), maxBytes_(maxBytes) {}

EntryWriter::~EntryWriter() {
    if (!finished_) Abandon();
}

bool EntryWriter::Open() {
    // "x": never through an existing file or link.
    file_ = std::fopen(path_.c_str(), "wbx");
    if (!file_) return false;
    created_ = true;
    // The caller hands over large blocks; a second buffer would only copy them.
    std::setvbuf(file_, nullptr, _IONBF, 0);
    return true;
}

bool EntryWriter::Write(const char* data, size_t size) {
    if (!file_) return false;
    if (size > maxBytes_ - written_) {
        tooLarge_ = true;
        return false;
    }
    written_ += size;
    return std::fwrite(data, 1, size, file_) == size;
}

bool EntryWriter::Finish() {
    if (!file_) return false;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    finished_ = closed;
    return closed;
}

void EntryWriter::Abandon() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
    finished_ = true;
    if (!created_) return;
    std::error_code ec;
    std::filesystem::remove(path_, ec);
}

}  // namespace qf
