#pragma once
// The copy log: one line per copied or failed file during the run, and
// "Copydefault.log" built from them afterwards.

#include <string>
#include <vector>

namespace qf {

constexpr const char* kCopyOkEvent = "Copy file OK ";
constexpr const char* kCopyFailedEvent = "Copy files failed ";

// " From : SOURCE", fourteen spaces, " To :  DESTINATION".
std::string CopyLogSubject(const std::string& source, const std::string& destination);

struct CopyLogContent {
    std::string startTime;
    std::string endTime;
    int attempted = 0;
    int failed = 0;
    int replaced = 0;  // shown only when a copy replaced an earlier one of the run
    std::vector<std::string> failedLines;
    std::vector<std::string> copiedLines;
};

// The lines of "Copydefault.log" (without line ends).
std::vector<std::string> CopyLogLines(const CopyLogContent& content);

// Reads the two temporary logs of the log folder (missing ones count as
// empty) and replaces "Copydefault.log" there; false when it cannot be written.
bool WriteCopyLog(const std::string& logFolder, CopyLogContent content);

}  // namespace qf
