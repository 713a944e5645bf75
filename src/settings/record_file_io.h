#pragma once
// Reading and writing whole record files safely.

#include <string>
#include <vector>

#include "settings/setting_record.h"

namespace qf {

enum class WriteResult { Written, OpenFailed, WriteFailed };

// Writes the records to a temporary file beside path and renames it over path,
// so a failed write never leaves a half-written file behind.
WriteResult WriteRecordFile(const std::string& path, const std::vector<_Setting_Record_Struct>& records);

enum class ReadResult { Read, OpenFailed, TooLarge };

// A settings file never comes near this; a larger file is not read at all.
constexpr size_t kMaxRecordFileSize = 64u * 1024u * 1024u;

ReadResult ReadWholeFile(const std::string& path, std::string& bytes);

}  // namespace qf
