#pragma once
// What the result window keeps between its commands: the per-folder file
// counts of the last renumbering, the folder count of the search and the
// grouping type lists. One per session; the rebuilds start from the store,
// so no copy of the list is kept for undo.

#include <map>
#include <string>
#include <vector>

namespace qf {

// Folder key (as it stands in the list) to the number of its files there.
using FOLDER_FILE_COUNTS = std::map<std::string, int>;

struct ResultViewState {
    FOLDER_FILE_COUNTS folderFileCounts;
    int folderCount = 0;                    // folders of the search
    std::vector<std::string> includeTypes;  // kept types, in group order
    std::vector<std::string> excludeTypes;  // ascending
};

enum class CommandOutcome {
    Done,        // the list was rebuilt; select the first row and click it
    Refused,     // a message was shown; nothing changed
    HideWindow,  // nothing to work on: the tool window hides itself
};

struct CommandReport {
    CommandOutcome outcome = CommandOutcome::Refused;
    std::string statisticsText;  // for the statistics window; may be empty
};

}  // namespace qf
