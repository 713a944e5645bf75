#pragma once
// The final log of each process, built at the end of a run from a header with
// the run's times and counters, the failure lines and then the success lines.

#include <cstdint>
#include <string>

#include "archive/process_log.h"
#include "platform/user_messages.h"
#include "platform/win_types.h"
#include "results/run_counters.h"

namespace qf {

struct FinalLogInput {
    std::string startTime;  // "%02d/%02d/%d  %02d:%02d:%02d"
    std::string endTime;
    int64_t examined = 0;
    int64_t failed = 0;
};

// The whole text of one final log (ZIP, Word or PDF), CR LF line ends. The
// temporary logs are read from `logFolder`; a missing one counts as empty.
std::string FinalLogText(const std::string& logFolder, LogProcess process, const FinalLogInput& input);

// Writes one final log, replacing an older one; an error is shown when it
// cannot be written.
bool WriteFinalLog(UserMessages& messages, const std::string& logFolder, LogProcess process,
                   const FinalLogInput& input);

// The run's last step: the PDF, Word and ZIP final logs, in this order, then
// the Office log when the run read Office documents.
void WriteFinalLogs(UserMessages& messages, const std::string& logFolder, const RunCounters& counters,
                    const SYSTEMTIME& start, const SYSTEMTIME& end, bool officeDocs);

}  // namespace qf
