#pragma once
// Unzipping one archive during a search: a fresh extraction folder, the
// entries that pass the run's rules, the marker file and the folder entry
// that the run searches next.

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>

#include "archive/archive_limits.h"
#include "archive/entry_filter.h"
#include "engine/folder_struct.h"
#include "platform/user_messages.h"
#include "results/run_counters.h"
#include "results/search_observer.h"
#include "results/selected_file.h"
#include "settings/options.h"

namespace qf {

// What one run shares between its unzips. The references must outlive it.
struct UnzipContext {
    const Options& options;
    RunCounters& counters;
    const std::atomic<int>& stopRequest;  // ends the entry loop
    std::string logFolder;                // the temporary ZIP logs go here
    std::string zipWorkFolder;            // ZIPWORKDIR or its default, no trailing separator
    SearchObserver& observer;
    UserMessages& messages;
    ArchiveEntryFilter& filter;

    uint64_t maxEntryBytes = 2147483648ULL;  // no extracted file grows past 2 GiB
    uint64_t diskReserve = 16ULL << 20;      // free space an extraction never takes
    int nextFolderNumber = 1;                // first extraction folder number still to test
    ExtractionBudget budget;                 // what the rest of the search may extract
};

// Unzips `archive` (its fullPath) into a new extraction folder. Returns the
// archive folder entry to queue; nothing when the archive could not be
// opened or was refused (it is logged and counted as failed, and the search
// goes on). An archive is refused before anything is written when its
// entries overlap, when it expands beyond ZIPRATIOLM or beyond the budget;
// and when an entry turns out larger or smaller than it was declared, the
// extraction ends and what it wrote is removed.
std::optional<_Folder_Struct> UnzipArchive(UnzipContext& context, const tagSelectedFileFolderStruct& archive);

}  // namespace qf
