#pragma once
// One ZIP archive opened for reading: its entries in order, their
// information, and extracting the current entry to a file.

#include <cstdint>
#include <string>
#include <vector>

#include "archive/entry_times.h"
#include "archive/entry_writer.h"
#include "platform/win_types.h"

namespace qf {

struct ZipEntryInfo {
    std::string name;       // as stored: "/" separators, a folder ends with "/"
    bool folder = false;
    bool link = false;      // a symbolic link stored by a Unix archiver
    uint64_t uncompressedSize = 0;  // as declared; never trusted for writing
    uint64_t compressedSize = 0;
    EntryTimes times;

    // What the date, time and size rules see; `fileName` without folder.
    WIN32_FIND_DATAA FindData(const std::string& fileName) const;
};

class ZipReader {
public:
    ZipReader() = default;
    ~ZipReader();
    ZipReader(const ZipReader&) = delete;
    ZipReader& operator=(const ZipReader&) = delete;

    bool Open(const std::string& archivePath);
    void Close();

    uint64_t EntryCount() const { return entryCount_; }
    bool GoToFirst();
    bool GoToNext();
    bool CurrentInfo(ZipEntryInfo& info);

    // Where the current entry lies in the archive file: from its local
    // header to the end of its data. False when the entry cannot be opened.
    bool CurrentSpan(const ZipEntryInfo& info, uint64_t& begin, uint64_t& end);

    // Extracts the current entry to `targetPath` through `buffer`; a file
    // that grows past `maxBytes`, fails its check or cannot be written is
    // removed. `written` receives the bytes the entry really held.
    WriteOutcome ExtractCurrent(const std::string& targetPath, uint64_t maxBytes, std::vector<char>& buffer,
                                uint64_t& written);

private:
    void* handle_ = nullptr;  // the unzip handle
    uint64_t entryCount_ = 0;
    std::vector<char> nameBuffer_;   // kept between entries: names and extra
    std::vector<char> extraBuffer_;  // fields can reach 64 KiB each
};

}  // namespace qf
