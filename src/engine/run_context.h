#pragma once
// What one search run shares between its steps, prepared at its start.

#include <ctime>
#include <deque>
#include <vector>

#include "engine/file_rules.h"
#include "engine/folder_rules.h"
#include "engine/search_modes.h"
#include "engine/session.h"
#include "platform/folder_listing.h"
#include "platform/user_messages.h"
#include "results/search_observer.h"
#include "results/search_statistics.h"
#include "textsearch/query_context.h"

namespace qf {

// The display limit never exceeds this many lines.
constexpr int64_t kSystemLineLimit = 10000;

class ArchiveSteps;

struct RunContext {
    Session& session;
    const Options& options;  // the copy taken when the search started
    const QueryContext& query;
    SearchObserver& observer;
    UserMessages& messages;
    SearchModes modes;
    FolderTermRules folderRules;
    FileTermRules fileRules;
    IgnoredFolderSet ignored;
    std::time_t now = 0;    // the clock of the date rules
    SYSTEMTIME startTime;   // local time the run started
    ArchiveSteps* archive = nullptr;  // unzip and conversion, set up with the rules
    int64_t maxLines = 0;   // SEARCHMAXL, at most kSystemLineLimit

    std::deque<tagSelectedFileFolderStruct> selected;  // the selected-file list
    std::vector<FolderEntry> listing;                  // the current folder's entries

    bool Stopping() const { return session.bStopSearch.load(std::memory_order_relaxed) != 0; }

    // Polled after every entry: the display limit or a Stop ends the run.
    bool PollStop() {
        if (session.counters.nResultFiles.load(std::memory_order_relaxed) > maxLines ||
            session.bStopRequest.load(std::memory_order_relaxed) != 0)
            session.bStopSearch = 1;
        return Stopping();
    }
};

}  // namespace qf
