#pragma once
// The temporary logs of unzip, conversion and copy: one line per event,
// appended and closed at once so that nothing is lost if the run ends early.

#include <string>
#include <string_view>

#include "platform/user_messages.h"

namespace qf {

enum class LogProcess { Zip, Word, Pdf, Copy, Office };

struct LogFileNames {
    const char* good;   // temporary success log
    const char* bad;    // temporary failure log
    const char* final;  // written at the end of the run
};

const LogFileNames& LogNamesOf(LogProcess process);

// Between the event text and its subject.
constexpr std::string_view kLogSeparator = " :    ";

// Appends `eventText`, the separator and `subject` (its control characters
// escaped, so that it stays one line) as one line. When the log
// cannot be opened the user is told (caption with `messageNumber`) and the
// event is not recorded.
bool WriteLogLine(UserMessages& messages, const std::string& logPath, std::string_view eventText,
                  std::string_view subject, std::string_view messageNumber);

// Appends a plain text line; its error caption carries no number.
bool AppendLogLine(UserMessages& messages, const std::string& logPath, std::string_view text);

// The message shown when a log cannot be opened.
Message LogOpenErrorMessage(const std::string& logPath, std::string_view messageNumber);

// Writes `text` with every "\n" as CR LF, the line end of the logs.
std::string WithLogLineEnds(std::string_view text);

// The success and failure logs of one process in the log folder.
class ProcessLog {
public:
    ProcessLog(std::string logFolder, LogProcess process, UserMessages& messages);

    void Good(std::string_view eventText, std::string_view subject, std::string_view messageNumber);
    void Bad(std::string_view eventText, std::string_view subject, std::string_view messageNumber);

    const std::string& GoodPath() const { return goodPath_; }
    const std::string& BadPath() const { return badPath_; }

private:
    std::string goodPath_;
    std::string badPath_;
    UserMessages& messages_;
};

}  // namespace qf
