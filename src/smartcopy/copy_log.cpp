#include "smartcopy/copy_log.h"

#include "archive/process_log.h"
#include "platform/paths.h"
#include "platform/text_lines_file.h"

namespace qf {

std::string CopyLogSubject(const std::string& source, const std::string& destination) {
    return " From : " + source + std::string(14, ' ') + " To :  " + destination;
}

std::vector<std::string> CopyLogLines(const CopyLogContent& c) {
    std::vector<std::string> lines{"Search started at : " + c.startTime, "", "Search ended at : " + c.endTime, ""};
    if (c.attempted > 0) {
        lines.insert(lines.end(), {"Copy files :", "      Total to copy : " + std::to_string(c.attempted),
                                   "      Copied files   : " + std::to_string(c.attempted - c.failed),
                                   "      Failed copy   : " + std::to_string(c.failed)});
        if (c.replaced > 0) lines.push_back("      Replaced in this run : " + std::to_string(c.replaced));
        lines.insert(lines.end(), {"", ""});
    }
    lines.insert(lines.end(), c.failedLines.begin(), c.failedLines.end());
    if (!c.failedLines.empty()) lines.insert(lines.end(), {"", "", ""});
    lines.insert(lines.end(), c.copiedLines.begin(), c.copiedLines.end());
    if (c.failedLines.empty() && c.copiedLines.empty())
        lines.insert(lines.end(), {"No copy process was performed.", ""});
    return lines;
}

bool WriteCopyLog(const std::string& logFolder, CopyLogContent content) {
    const LogFileNames& names = LogNamesOf(LogProcess::Copy);
    ReadTextLines(JoinPath(logFolder, names.bad), content.failedLines);
    ReadTextLines(JoinPath(logFolder, names.good), content.copiedLines);
    return WriteCrLfLines(JoinPath(logFolder, names.final), CopyLogLines(content));
}

}  // namespace qf
