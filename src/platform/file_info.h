#pragma once
// Information about one file and restoring its times.

#include <string>

#include "platform/win_types.h"

namespace qf {

// Fills attributes, the three times, size and name of the entry at path
// (links followed). Creation time is the birth time when the file system
// reports it, else the earlier of modification and change times.
bool GetFindData(const std::string& path, WIN32_FIND_DATAA& data);

// True for a regular file (links followed).
bool IsRegularFile(const std::string& path);

// Sets the last access and last write times back (creation cannot be set).
bool RestoreFileTimes(const std::string& path, const FILETIME& lastAccess, const FILETIME& lastWrite);

// The system's words for an error number ("Permission denied").
std::string ErrorText(int error);

}  // namespace qf
