#include "engine/search_run.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>
#include <thread>

#include "engine/archive_steps.h"
#include "engine/display_mode_observer.h"
#include "engine/end_message.h"
#include "engine/file_phase.h"
#include "engine/folder_walk.h"
#include "engine/name_hits.h"
#include "engine/run_context.h"
#include "engine/run_pipeline.h"
#include "engine/search_lock.h"
#include "engine/walk_effects.h"
#include "platform/file_info.h"
#include "platform/file_time.h"
#include "platform/heap_steps.h"
#include "platform/paths.h"
#include "results/result_kind.h"
#include "results/search_end_results.h"
#include "textsearch/content_scan.h"
#include "textsearch/query_checks.h"

namespace qf {
namespace {

SYSTEMTIME LocalNow() {
    SYSTEMTIME local;
    if (!SystemTimeToTzSpecificLocalTime(GetSystemTime(), local)) local = GetLocalTime();
    return local;
}

std::string ZipWorkingFolder(const Session& session, const Options& options) {
    const std::string& folder = options.Text(Opt::ZIPWORKDIR);
    if (!folder.empty()) return TrimTrailingSeparators(folder);
    return JoinPath(JoinPath(session.AppHome(), "Temp"), "ZIPFILES");
}

// Leftover empty extraction folders go; folders with content stay. A link is
// never followed out of the working folder.
void RemoveEmptySubfolders(const std::string& folder) {
    std::vector<FolderEntry> entries;
    if (!ListFolder(folder, entries)) return;
    for (const FolderEntry& entry : entries) {
        if (!entry.data.IsFolder()) continue;
        std::error_code ec;
        const std::filesystem::path path = JoinPath(folder, entry.data.cFileName);
        if (std::filesystem::is_symlink(path, ec) || ec) continue;
        if (std::filesystem::is_empty(path, ec) && !ec) std::filesystem::remove(path, ec);
    }
}

// The folder-name search on the folder's own name (archive folders have none).
void MatchOwnName(RunContext& context, const _Folder_Struct& folder, const std::string& name) {
    tagSelectedFileFolderStruct entry;
    entry.folderPath = ParentPath(folder.sWorkingFolder);
    entry.fileName = name;
    entry.fullPath = folder.sWorkingFolder;
    GetFindData(folder.sWorkingFolder, entry.findData);
    if (auto hit = MatchNameHit(context.query, name, kKindFolderName, entry)) context.selected.push_back(std::move(*hit));
}

// With SUBFOLDERS 0: the names of the immediate subfolders are matched instead of walked.
void MatchSubfolderNames(RunContext& context, const _Folder_Struct& folder) {
    for (FolderEntry& listed : context.listing) {
        // The times of a folder found by its name are read for its record.
        if (listed.data.IsFolder() && listed.enterable &&
            LoadEntryDetails(folder.sWorkingFolder, listed, context.listedThrough)) {
            context.observer.CurrentName(listed.data.cFileName);
            tagSelectedFileFolderStruct entry;
            entry.folderPath = folder.sWorkingFolder;
            entry.fileName = listed.data.cFileName;
            entry.fullPath = JoinPath(folder.sWorkingFolder, entry.fileName);
            entry.findData = listed.data;
            if (folder.IsArchiveFolder() && context.archive) context.archive->FillColumns(folder, entry);
            if (auto hit = MatchNameHit(context.query, entry.fileName, kKindFolderName, entry))
                context.selected.push_back(std::move(*hit));
        }
        if (context.PollStop()) break;
    }
}

void ReportUnreadableFolder(RunContext& context, const std::string& path, int error) {
    context.Show([&s = context.session] { ++s.statistics.unreadableFolders; });
    context.observer.Unreadable(path, ErrorText(error));
}

// Subfolders the user may not enter are never walked: each is told as unreadable.
void ReportClosedSubfolders(RunContext& context, const _Folder_Struct& folder) {
    for (const FolderEntry& entry : context.listing) {
        if (!entry.data.IsFolder() || entry.enterable) continue;
        const std::string path = JoinPath(folder.sWorkingFolder, entry.data.cFileName);
        if (!IsIgnoredFolder(context.ignored, path)) ReportUnreadableFolder(context, path, EACCES);
    }
}

// The walk of one folder taken off the queue, with its file phase; the
// folder's turn (its content phase) comes with the batch returned.
FolderBatch WalkFolder(RunContext& context, _Folder_Struct& folder, FOLDER_QUEUE& queue) {
    FolderBatch batch;
    if (IsIgnoredFolder(context.ignored, folder.sWorkingFolder)) return batch;
    FolderHandle handle(folder.sWorkingFolder, folder.above ? folder.above->opened.get() : nullptr,
                        folder.openedAhead.get());
    folder.openedAhead.reset();
    bool refused = false;
    const bool identified = IdentifyFolder(folder, handle, refused);
    if (refused) return batch;
    context.Show([&s = context.session, modes = context.modes] {
        ++s.counters.nFoldersExamined;
        StartNextFolder(s.statistics);
        CountFolderExamined(s.statistics, modes);
    });
    context.observer.CurrentName(folder.sWorkingFolder);
    context.observer.CurrentFolder(folder.sWorkingFolder);

    // The folder's times are taken before it is read.
    const bool restore = context.options.On(Opt::RESTORETIM) && !LiesInWindowsFolder(folder.sWorkingFolder);
    WIN32_FIND_DATAA ownTimes;
    batch.restoreTimes = restore && GetFindData(folder.sWorkingFolder, ownTimes);
    if (batch.restoreTimes) {
        batch.folder = folder.sWorkingFolder;
        batch.lastAccess = ownTimes.ftLastAccessTime;
        batch.lastWrite = ownTimes.ftLastWriteTime;
    }

    int listError = 0;
    const bool walksSubfolders = context.options.On(Opt::SUBFOLDERS);
    const bool listed = handle.List(context.listing, &listError, walksSubfolders, context.threads);
    context.listedThrough = &handle;
    if (!listed && identified) ReportUnreadableFolder(context, folder.sWorkingFolder, listError);
    if (walksSubfolders) {
        QueueSubfolders(queue, folder, context.listing, [&] { return context.PollStop(); });
        ReportClosedSubfolders(context, folder);
    } else if (context.modes.folderNames) {
        MatchSubfolderNames(context, folder);
    }

    // A folder deleted after it was queued is skipped silently; one that
    // exists but cannot be read has no entries (and has been told above).
    if (listed || identified) {
        bool takesPart = true;
        if (!folder.IsArchiveFolder()) {
            const std::string name = BaseName(folder.sWorkingFolder);
            takesPart = FolderTakesPart(context.folderRules, context.query.matcher, name);
            if (takesPart && context.modes.folderNames) MatchOwnName(context, folder, name);
        }
        if (takesPart && !context.Stopping()) RunFilePhase(context, folder);
    }
    context.listedThrough = nullptr;
    batch.selected = std::move(context.selected);
    context.selected.clear();
    // The files read in the folder's turn are opened in the handle it was listed through.
    if (context.modes.content && !batch.selected.empty()) batch.openFolder = handle.Share();
    batch.stopAfterWalk = context.walkStop;
    return batch;
}

// The archives unzipped meanwhile are searched next, the last one first.
void QueueArchiveFolders(Session& session, FOLDER_QUEUE& queue) {
    for (_Folder_Struct& archiveFolder : session.archiveFolderQueue) queue.push_front(std::move(archiveFolder));
    session.archiveFolderQueue.clear();
}

void StartOfRun(RunContext& context, FOLDER_QUEUE& queue) {
    Session& s = context.session;
    s.counters.Reset();
    ResetStatistics(s.statistics);
    context.selected.clear();
    s.bStopSearch = 0;
    context.walkStop = 0;
    context.observer.StatusText("Searching ...");
    const SYSTEMTIME start = LocalNow();
    context.startTime = start;
    s.state.options.SetDate(Opt::SERCHSTART, start);
    RecordStartTime(s.statistics, start);
    context.observer.StartTime(FormatDateTimeSeconds(start));
    context.observer.EndTime("");
    RemoveEmptySubfolders(ZipWorkingFolder(s, context.options));
    s.archiveFolderQueue.clear();
    context.ignored = MakeIgnoredFolderSet(context.options);
    for (const std::string& folder : context.options.List(Opt::DIRECTORIS))
        queue.push_back(_Folder_Struct{TrimTrailingSeparators(folder), {}, {}, nullptr});
    context.folderRules = MakeFolderTermRules(context.options, context.query.matcher, context.messages);
    context.fileRules = MakeFileTermRules(context.options, context.query.matcher, context.messages);
}

void EndOfRun(RunContext& context) {
    Session& s = context.session;
    FinishSearchResults(s.results, s.resultView, &context.observer, context.threads);
    context.observer.ResultsRefreshed(s.results.Size());
    const SYSTEMTIME end = LocalNow();
    s.state.options.SetDate(Opt::SEARCHENDT, end);
    RecordEndTime(s.statistics, end);
    context.observer.EndTime(FormatDateTimeSeconds(end));
    context.observer.StatusText("End of search !!! ");
    context.observer.CountersChanged();
    context.observer.ResultsFinal();
    context.selected.clear();
    if (context.options.On(Opt::SEARCHENDB)) context.messages.Beep();
    if (context.options.On(Opt::SEARCHENDC))
        context.messages.Show(EndOfSearchMessage(context.maxLines, s.counters.nResultLines));
    if (context.archive) context.archive->WriteFinalLogs(context.startTime, end);
}

}  // namespace

int ReadingThreads(const Options& options) {
    constexpr int64_t kMostThreads = 64;
    const int64_t chosen = options.Int(Opt::READTHREAD);
    if (chosen > 0) return int(std::min(chosen, kMostThreads));
    const int64_t cores = std::thread::hardware_concurrency();
    return int(std::clamp<int64_t>(cores, 1, kMostThreads));
}

void SearchRun(Session& session, const Options& startOptions, const std::vector<std::string>& terms,
               const BooleanQuery& boolean, SearchObserver& frontEnd, UserMessages& messages, std::time_t now) {
    Options options = startOptions;
    options.SetInt(Opt::SEARCHMAXL, std::min<int64_t>(options.Int(Opt::SEARCHMAXL), kSystemLineLimit));
    DisplayModeObserver observer(frontEnd, options.On(Opt::DISPLAYDUR));
    WalkEffects effects;
    WalkObserver walkObserver(effects, observer);
    const bool booleanKind = options.On(Opt::BOOLRADIO1) || options.On(Opt::MICROBOOLR);
    const QueryContext query = MakeQueryContext(options, terms, booleanKind ? &boolean : nullptr);
    RunContext context{session, options, query, effects, walkObserver, messages, SearchModes::FromOptions(options)};
    context.now = now;
    context.maxLines = options.Int(Opt::SEARCHMAXL);
    context.detailsCanWait = DetailsCanWaitInRun(options, context.modes);

    FOLDER_QUEUE queue;
    StartOfRun(context, queue);
    ArchiveSteps archive(context);
    context.archive = &archive;
    context.threads = ReadingThreads(options);
    RunPipeline pipeline(context, observer, context.threads);
    context.pipeline = &pipeline;
    while (!queue.empty() && pipeline.BeginFolder()) {
        _Folder_Struct folder = std::move(queue.front());
        queue.pop_front();
        FolderBatch batch = WalkFolder(context, folder, queue);
        QueueArchiveFolders(session, queue);
        pipeline.Push(std::move(batch));
    }
    pipeline.Finish();
    context.pipeline = nullptr;
    EndOfRun(context);
}

bool StartSearch(Session& session, SearchObserver& observer, UserMessages& messages) {
    if (session.running) return false;
    if (session.worker.joinable()) session.worker.join();

    Options& live = session.state.options;
    live.SetInt(Opt::ARESLINENU, live.Int(Opt::RESLINENUM));
    live.SetInt(Opt::ARESLINENU_SAVED, live.Int(Opt::RESLINENUM));
    session.results.Clear();
    session.running = true;
    // The run reads its own copy: the options may change in the window meanwhile.
    auto body = [&session, &observer, &messages, options = live, terms = session.state.searchTerms,
                 boolean = session.booleanQuery] {
        AskHugePagesForThreadHeap();
        SearchRun(session, options, terms, boolean, observer, messages, std::time(nullptr));
        ReleaseSearchLock(session);
        session.running = false;
        observer.RunEnded();
    };
    try {
        session.worker = std::thread(std::move(body));
    } catch (const std::system_error&) {
        // The thread could not be created: no run takes place.
        ReleaseSearchLock(session);
        session.running = false;
        return false;
    }
    return true;
}

int ValidateSessionSearch(Session& session, UserMessages& messages) {
    // A refusal before the Boolean check must not leave the last check's
    // text and fault marks for the editor to show.
    session.booleanQuery = {};
    session.regexFault = {};
    const int valid =
        ValidateSearchStart(session.state, FullQueryChecks(session.booleanQuery, session.state.options, session.regexFault),
                            messages, session.bStopRequest);
    // A refused search keeps no other search of the home waiting.
    if (!valid) ReleaseSearchLock(session);
    return valid;
}

void WaitForSearch(Session& session) {
    if (session.worker.joinable()) session.worker.join();
}

}  // namespace qf
