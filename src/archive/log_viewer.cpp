#include "archive/log_viewer.h"

#include <fstream>

#include "platform/paths.h"

namespace qf {
namespace {

bool IsBlank(const std::string& text) {
    return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

}  // namespace

std::string LogViewerText(const std::string& logFolder, LogProcess process) {
    const bool copy = process == LogProcess::Copy;
    std::ifstream in(JoinPath(logFolder, LogNamesOf(process).final), std::ios::binary);
    if (!in) return copy ? " No copy process was performed." : " No search action was performed.";
    std::string text;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        text.append(line).append("\n");
    }
    if (IsBlank(text)) return copy ? " No errors occur during the copy process." : " No errors occur during the search process.";
    return text;
}

}  // namespace qf
