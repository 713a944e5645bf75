#pragma once
// The text a log viewer window shows for one final log.

#include <string>

#include "archive/process_log.h"

namespace qf {

// The final log joined line by line with "\n"; " No search action was
// performed." when it cannot be opened, " No errors occur during the search
// process." when it holds nothing but blanks (the copy log has its own texts).
std::string LogViewerText(const std::string& logFolder, LogProcess process);

}  // namespace qf
