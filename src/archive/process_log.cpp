#include "archive/process_log.h"

#include <fstream>

#include "platform/control_chars.h"
#include "platform/paths.h"

namespace qf {
namespace {

constexpr LogFileNames kZipLogs{"DefaultTempJoZip.Log", "DefaultTempRosszZip.Log", "ZipDefault.log"};
constexpr LogFileNames kWordLogs{"DefaultTempJoWord.Log", "DefaultTempRosszWord.Log", "WordDefault.log"};
constexpr LogFileNames kPdfLogs{"DefaultTempJoPdf.Log", "DefaultTempRosszPdf.Log", "Pdfdefault.log"};
constexpr LogFileNames kCopyLogs{"DefaultTempJoCopy.Log", "DefaultTempRosszCopy.Log", "Copydefault.log"};
constexpr LogFileNames kOfficeLogs{"DefaultTempJoOffice.Log", "DefaultTempRosszOffice.Log", "Officedefault.log"};

bool AppendText(const std::string& logPath, const std::string& text) {
    std::ofstream out(logPath, std::ios::binary | std::ios::app);
    if (!out) return false;
    out << text;
    return bool(out.flush());
}

}  // namespace

const LogFileNames& LogNamesOf(LogProcess process) {
    switch (process) {
        case LogProcess::Zip: return kZipLogs;
        case LogProcess::Word: return kWordLogs;
        case LogProcess::Pdf: return kPdfLogs;
        case LogProcess::Office: return kOfficeLogs;
        case LogProcess::Copy: break;
    }
    return kCopyLogs;
}

std::string WithLogLineEnds(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 8);
    for (char c : text) {
        if (c == '\n') out += "\r\n";
        else out += c;
    }
    return out;
}

Message LogOpenErrorMessage(const std::string& logPath, std::string_view messageNumber) {
    return ErrorMessage("Error !    Msg no: " + std::string(messageNumber),
                        "No, or damaged log file ! Unable to open :\n\n" + logPath);
}

bool WriteLogLine(UserMessages& messages, const std::string& logPath, std::string_view eventText,
                  std::string_view subject, std::string_view messageNumber) {
    // A name may hold line ends or terminal controls: one event stays one line.
    std::string line(eventText);
    line.append(kLogSeparator).append(EscapeControlChars(subject)).append("\r\n");
    if (AppendText(logPath, line)) return true;
    messages.Show(LogOpenErrorMessage(logPath, messageNumber));
    return false;
}

bool AppendLogLine(UserMessages& messages, const std::string& logPath, std::string_view text) {
    if (AppendText(logPath, WithLogLineEnds(text) + "\r\n")) return true;
    messages.Show(LogOpenErrorMessage(logPath, ""));
    return false;
}

ProcessLog::ProcessLog(std::string logFolder, LogProcess process, UserMessages& messages)
    : goodPath_(JoinPath(logFolder, LogNamesOf(process).good)),
      badPath_(JoinPath(logFolder, LogNamesOf(process).bad)),
      messages_(messages) {}

void ProcessLog::Good(std::string_view eventText, std::string_view subject, std::string_view messageNumber) {
    WriteLogLine(messages_, goodPath_, eventText, subject, messageNumber);
}

void ProcessLog::Bad(std::string_view eventText, std::string_view subject, std::string_view messageNumber) {
    WriteLogLine(messages_, badPath_, eventText, subject, messageNumber);
}

}  // namespace qf
