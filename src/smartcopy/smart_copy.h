#pragma once
// The Copy command of smart copy: the checks, the optional clearing of the
// destination, the run, the end message and the copy log.

#include <functional>
#include <string>

#include "platform/user_messages.h"
#include "platform/win_types.h"
#include "results/result_store.h"
#include "settings/options.h"
#include "smartcopy/copy_run.h"

namespace qf {

struct SmartCopyRequest {
    Options& options;                   // the copy options; SERCHSTART and SEARCHENDT are set
    const FileResultsStore& store;      // a copy of the per-file results
    size_t resultRows = 0;              // rows of the result window
    std::string logFolder;              // the application home's Temp folder
    std::function<SYSTEMTIME()> clock;  // local time; the system clock when empty
};

// 1 when the copy ran (files may still have failed: see the log), 0 after a
// refusal (0262, 0233, 0234, 0236, 0240, 0249); a refusal copies, deletes
// and logs nothing.
int SmartCopy(SmartCopyRequest& request, UserMessages& messages, CopyProgress& progress);

// Adds a chosen folder to the destination list unless it holds an equal
// entry (ignoring case); false, after message 0232, when it does.
bool AddCopyDestination(std::vector<std::string>& destinations, const std::string& folder, UserMessages& messages);

}  // namespace qf
