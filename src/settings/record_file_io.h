#pragma once
// Reading and writing whole record files safely.

#include <string>
#include <vector>

#include "settings/setting_record.h"

namespace qf {

enum class WriteResult { Written, OpenFailed, WriteFailed };

// Replaces the file at path (a link's target) with the records; a failed
// write leaves the previous file as it was. OpenFailed also stands for a
// path that names no regular file (a device, a FIFO).
WriteResult WriteRecordFile(const std::string& path, const std::vector<_Setting_Record_Struct>& records);

enum class ReadResult { Read, OpenFailed, TooLarge };

// A settings file never comes near this; a larger file is not read at all.
constexpr size_t kMaxRecordFileSize = 64u * 1024u * 1024u;

ReadResult ReadWholeFile(const std::string& path, std::string& bytes);

}  // namespace qf
