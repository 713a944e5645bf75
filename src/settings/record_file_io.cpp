#include "settings/record_file_io.h"

#include <filesystem>
#include <fstream>

#include "platform/file_replace.h"

namespace qf {

WriteResult WriteRecordFile(const std::string& path, const std::vector<_Setting_Record_Struct>& records) {
    std::string bytes;
    bytes.reserve(records.size() * sizeof(RecordBytes));
    for (const _Setting_Record_Struct& record : records) {
        const RecordBytes encoded = EncodeRecord(record);
        bytes.append(reinterpret_cast<const char*>(encoded.data()), encoded.size());
    }
    switch (ReplaceFileContent(path, bytes)) {
        case ReplaceResult::Written: return WriteResult::Written;
        case ReplaceResult::WriteFailed: return WriteResult::WriteFailed;
        case ReplaceResult::OpenFailed:
        case ReplaceResult::NotRegularFile: break;
    }
    return WriteResult::OpenFailed;
}

ReadResult ReadWholeFile(const std::string& path, std::string& bytes) {
    // Only a regular file: opening a FIFO would wait for a writer forever.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return ReadResult::OpenFailed;
    std::ifstream in(path, std::ios::binary);
    if (!in) return ReadResult::OpenFailed;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0) return ReadResult::OpenFailed;
    if (size_t(size) > kMaxRecordFileSize) return ReadResult::TooLarge;
    in.seekg(0, std::ios::beg);
    bytes.resize(size_t(size));
    if (size > 0 && !in.read(bytes.data(), size)) return ReadResult::OpenFailed;
    return ReadResult::Read;
}

}  // namespace qf
