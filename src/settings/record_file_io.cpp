#include "settings/record_file_io.h"

#include <cstdio>
#include <fstream>
#include <filesystem>

namespace qf {

WriteResult WriteRecordFile(const std::string& path, const std::vector<_Setting_Record_Struct>& records) {
    const std::string temporary = path + ".quillfind-part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return WriteResult::OpenFailed;
        for (const _Setting_Record_Struct& record : records) {
            const RecordBytes bytes = EncodeRecord(record);
            out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        }
        out.flush();
        if (!out) {
            out.close();
            std::remove(temporary.c_str());
            return WriteResult::WriteFailed;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return WriteResult::OpenFailed;
    }
    return WriteResult::Written;
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
