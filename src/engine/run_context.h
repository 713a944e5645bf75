#pragma once
// What one search run shares between its steps, prepared at its start.

#include <ctime>
#include <vector>

#include "engine/file_rules.h"
#include "engine/folder_rules.h"
#include "engine/search_modes.h"
#include "engine/session.h"
#include "engine/walk_effects.h"
#include "platform/folder_listing.h"
#include "platform/user_messages.h"
#include "results/search_observer.h"
#include "results/search_statistics.h"
#include "textsearch/query_context.h"

namespace qf {

// The display limit never exceeds this many lines.
constexpr int64_t kSystemLineLimit = 10000;

class ArchiveSteps;
class RunPipeline;

struct RunContext {
    Session& session;
    const Options& options;  // the copy taken when the search started
    const QueryContext& query;
    WalkEffects& effects;     // what the walk shows, held back until the folder's turn
    SearchObserver& observer; // the walk's observer, held back with the rest
    UserMessages& messages;
    SearchModes modes;
    FolderTermRules folderRules;
    FileTermRules fileRules;
    IgnoredFolderSet ignored;
    std::time_t now = 0;    // the clock of the date rules
    SYSTEMTIME startTime;   // local time the run started
    ArchiveSteps* archive = nullptr;  // unzip and conversion, set up with the rules
    RunPipeline* pipeline = nullptr;  // the folders' turns
    int64_t maxLines = 0;   // SEARCHMAXL, at most kSystemLineLimit
    bool detailsCanWait = false;  // files of a plain content search are selected by name alone
    int threads = 1;        // the run's reading threads, which also try a large folder's subfolders

    std::vector<tagSelectedFileFolderStruct> selected;  // the selected-file list
    std::vector<FolderEntry> listing;                  // the current folder's entries
    const FolderHandle* listedThrough = nullptr;       // and the handle they were listed through

    // The run's stop flag as the walk of the current folder sees it: the
    // folder's turn takes it over. `filesOverLimit` is the display-limit test
    // on the result files made before the folder, which its walk cannot change.
    int walkStop = 0;
    bool filesOverLimit = false;

    bool Stopping() const { return walkStop != 0; }

    // Polled after every entry: the display limit or a Stop ends the run.
    bool PollStop() {
        if (filesOverLimit || session.bStopRequest.load(std::memory_order_relaxed) != 0) walkStop = 1;
        return Stopping();
    }

    // Shows `effect` in the walk's order (see WalkEffects).
    template <typename Effect>
    void Show(Effect&& effect) {
        effects.Do(std::forward<Effect>(effect));
    }

    // Before a step whose effects cannot be held back: every earlier folder
    // has its turn first. False when the run ended meanwhile.
    bool Settle();
};

}  // namespace qf
