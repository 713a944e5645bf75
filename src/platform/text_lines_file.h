#pragma once
// Whole text files of lines: reports, exports and logs end every line with
// CR LF, as users exchange them with the Windows version.

#include <string>
#include <vector>

#include "platform/file_replace.h"

namespace qf {

// Replaces the file with the lines, each followed by CR LF, the way
// ReplaceFileContent does: a failed write keeps the older file.
ReplaceResult WriteCrLfFile(const std::string& path, const std::vector<std::string>& lines);

// The same; false when the file was not replaced.
bool WriteCrLfLines(const std::string& path, const std::vector<std::string>& lines);

// Reads every line; accepts LF and CR LF. False when the file cannot be opened.
bool ReadTextLines(const std::string& path, std::vector<std::string>& lines);

// True when the file exists and can be opened for reading.
bool CanOpenForReading(const std::string& path);

}  // namespace qf
