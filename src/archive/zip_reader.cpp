#include "archive/zip_reader.h"

#include <unzip.h>

#include <algorithm>

namespace qf {
namespace {

constexpr unsigned kHostUnix = 3;
constexpr unsigned kHostMac = 19;
constexpr uint32_t kDosFolderAttribute = 0x10;
constexpr uint32_t kUnixTypeMask = 0170000;
constexpr uint32_t kUnixLink = 0120000;
constexpr size_t kMaxNameLength = 65535;
constexpr uint64_t kLocalHeaderSize = 30;  // before the entry's name and extra field

unzFile Handle(void* handle) { return static_cast<unzFile>(handle); }

bool IsLinkEntry(const unz_file_info64& info) {
    const unsigned host = unsigned(info.version >> 8);
    return (host == kHostUnix || host == kHostMac) && ((info.external_fa >> 16) & kUnixTypeMask) == kUnixLink;
}

DosDateTime DosFields(const tm_unz& t) {
    return DosDateTime{int(t.tm_year), int(t.tm_mon) + 1, int(t.tm_mday), int(t.tm_hour), int(t.tm_min), int(t.tm_sec)};
}

}  // namespace

WIN32_FIND_DATAA ZipEntryInfo::FindData(const std::string& fileName) const {
    WIN32_FIND_DATAA data;
    data.dwFileAttributes = folder ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
    data.ftCreationTime = times.creation;
    data.ftLastAccessTime = times.lastAccess;
    data.ftLastWriteTime = times.lastWrite;
    data.nFileSize = folder ? 0 : uncompressedSize;
    data.cFileName = fileName;
    return data;
}

ZipReader::~ZipReader() { Close(); }

bool ZipReader::Open(const std::string& archivePath) {
    Close();
    handle_ = unzOpen64(archivePath.c_str());
    if (!handle_) return false;
    unz_global_info64 global{};
    if (unzGetGlobalInfo64(Handle(handle_), &global) != UNZ_OK) {
        Close();
        return false;
    }
    entryCount_ = global.number_entry;
    return true;
}

void ZipReader::Close() {
    if (handle_) unzClose(Handle(handle_));
    handle_ = nullptr;
    entryCount_ = 0;
}

bool ZipReader::GoToFirst() { return handle_ && unzGoToFirstFile(Handle(handle_)) == UNZ_OK; }

bool ZipReader::GoToNext() { return handle_ && unzGoToNextFile(Handle(handle_)) == UNZ_OK; }

bool ZipReader::CurrentInfo(ZipEntryInfo& out) {
    unz_file_info64 info{};
    nameBuffer_.resize(kMaxNameLength + 1);
    extraBuffer_.resize(kMaxNameLength);
    if (unzGetCurrentFileInfo64(Handle(handle_), &info, nameBuffer_.data(), uLong(nameBuffer_.size()),
                                extraBuffer_.data(), uLong(extraBuffer_.size()), nullptr, 0) != UNZ_OK)
        return false;
    out.name.assign(nameBuffer_.data(), std::min<size_t>(info.size_filename, kMaxNameLength));
    const std::string_view extra(extraBuffer_.data(), std::min<size_t>(info.size_file_extra, extraBuffer_.size()));
    out.folder = (!out.name.empty() && out.name.back() == '/') || (info.external_fa & kDosFolderAttribute) != 0;
    out.link = IsLinkEntry(info);
    out.uncompressedSize = info.uncompressed_size;
    out.compressedSize = info.compressed_size;
    out.times = ReadEntryTimes(extra, DosFields(info.tmu_date));
    return true;
}

bool ZipReader::CurrentSpan(const ZipEntryInfo& info, uint64_t& begin, uint64_t& end) {
    // Opening reads the local header, whose name must be as long as the
    // central directory says; only its extra field may differ.
    if (unzOpenCurrentFile(Handle(handle_)) != UNZ_OK) return false;
    const uint64_t data = unzGetCurrentFileZStreamPos64(Handle(handle_));
    const int localExtra = unzGetLocalExtrafield(Handle(handle_), nullptr, 0);
    unzCloseCurrentFile(Handle(handle_));
    const uint64_t header = kLocalHeaderSize + info.name.size() + uint64_t(std::max(localExtra, 0));
    if (localExtra < 0 || data < header) return false;
    begin = data - header;
    end = data + info.compressedSize;
    return end >= data;
}

WriteOutcome ZipReader::ExtractCurrent(const std::string& targetPath, uint64_t maxBytes, std::vector<char>& buffer,
                                       uint64_t& written) {
    written = 0;
    if (unzOpenCurrentFile(Handle(handle_)) != UNZ_OK) return WriteOutcome::Failed;
    EntryWriter writer(targetPath, maxBytes);
    bool ok = writer.Open();
    while (ok) {
        const int n = unzReadCurrentFile(Handle(handle_), buffer.data(), unsigned(buffer.size()));
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        ok = writer.Write(buffer.data(), size_t(n));
        written += uint64_t(n);
    }
    // Closing checks the data against the stored checksum.
    const bool intact = unzCloseCurrentFile(Handle(handle_)) == UNZ_OK;
    if (ok && intact && writer.Finish()) return WriteOutcome::Written;
    const bool tooLarge = writer.TooLarge();
    writer.Abandon();
    return tooLarge ? WriteOutcome::TooLarge : WriteOutcome::Failed;
}

}  // namespace qf
