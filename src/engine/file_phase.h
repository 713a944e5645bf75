#pragma once
// The file phase of one folder ("Selecting ..."): its listing matched with
// every file-name pattern, then every ZIP pattern, through the file rules.

#include "engine/run_context.h"

namespace qf {

enum class ListingMode { Normal, Zip };

// Runs the file phase for `folder`, whose entries are in context.listing.
// Name hits go to the selected-file list at once; the files kept for the
// "File" or content search follow at the end of each pattern's listing.
void RunFilePhase(RunContext& context, const _Folder_Struct& folder);

// Whether the run's files may be selected before their times and size are
// read (see DetailsCanWait).
bool DetailsCanWaitInRun(const Options& options, const SearchModes& modes);

// One pattern over the listing.
void ListWithPattern(RunContext& context, const _Folder_Struct& folder, const std::string& pattern, ListingMode mode);

}  // namespace qf
