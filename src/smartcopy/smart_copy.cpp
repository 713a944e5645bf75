#include "smartcopy/smart_copy.h"

#include <optional>

#include "platform/case_fold.h"
#include "platform/file_info.h"
#include "platform/file_time.h"
#include "platform/folder_ops.h"
#include "platform/paths.h"
#include "smartcopy/copy_log.h"
#include "smartcopy/copy_messages.h"

namespace qf {
namespace {

SYSTEMTIME Now(const SmartCopyRequest& r) { return r.clock ? r.clock() : GetLocalTime(); }

bool IsExistingFolder(const std::string& path) {
    WIN32_FIND_DATAA data;
    return GetFindData(path, data) && data.IsFolder();
}

// The destination may not exist yet (its creation can fail): measure the
// file system of its nearest existing ancestor, as a drive would be measured.
std::optional<uint64_t> FreeSpaceFor(const std::string& destination) {
    std::string path = destination;
    for (;;) {
        if (auto free = FreeDiskSpace(path)) return free;
        const std::string parent = ParentPath(path);
        if (parent.empty() || parent == path) return std::nullopt;
        path = parent;
    }
}

bool SameFolder(const std::string& a, const std::string& b) {
    if (TrimTrailingSeparators(a) == TrimTrailingSeparators(b)) return true;
    return IsInsideFolder(a, b) && IsInsideFolder(b, a);
}

std::string TrimSpaces(const std::string& s) {
    const size_t first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// A result file directly in the destination would be copied onto itself.
bool ResultLiesInDestination(const FileResultsStore& store, const std::string& destination) {
    for (const auto& [path, file] : store)
        if (SameFolder(TrimSpaces(file.folderPath), destination)) return true;
    return false;
}

// Clearing a destination that holds a file to be copied would delete it.
bool SourceInsideDestination(const CopySources& sources, const CopySettings& settings) {
    auto inside = [&](const std::set<std::string>& paths) {
        for (const std::string& path : paths)
            if (IsInsideFolder(path, settings.destination)) return true;
        return false;
    };
    return (settings.results && inside(sources.results)) ||
           (settings.word && (inside(sources.word) || inside(sources.office))) || (settings.pdf && inside(sources.pdf));
}

bool Refuse(UserMessages& messages, const Message& message) {
    messages.Show(message);
    return false;
}

// Something to copy, results, a destination that exists or is made.
bool DestinationReady(const SmartCopyRequest& r, const CopySettings& s, UserMessages& messages) {
    if (!s.results && !s.word && !s.pdf) return Refuse(messages, NothingToCopyMessage());
    if (r.resultRows == 0) return Refuse(messages, NoResultRowsMessage());
    if (s.destination.empty()) return Refuse(messages, EmptyDestinationMessage());
    if (IsExistingFolder(s.destination)) return true;
    if (messages.Show(CreateDestinationQuestion()) != MsgAnswer::Yes)
        return Refuse(messages, DestinationMissingMessage());
    // A folder that cannot be made shows up as a failed line per file in the log.
    CreateFolders(s.destination);
    return true;
}

// Free space for every kind, and no copy onto itself.
bool CopyMayRun(const SmartCopyRequest& r, const CopySettings& s, const CopySources& sources, UserMessages& messages) {
    const _OsszCopyInfo_Struct info = ComputeCopyInfo(sources);
    const std::optional<uint64_t> free = FreeSpaceFor(s.destination);
    if (!free || *free <= TotalCopyBytes(info)) return Refuse(messages, NotEnoughSpaceMessage());
    if (ResultLiesInDestination(r.store, s.destination)) return Refuse(messages, CopyOntoItselfMessage());
    if (s.clearDestination && SourceInsideDestination(sources, s)) return Refuse(messages, CopyOntoItselfMessage());
    return true;
}

}  // namespace

int SmartCopy(SmartCopyRequest& r, UserMessages& messages, CopyProgress& progress) {
    const CopySettings settings = CopySettingsFromOptions(r.options);
    r.options.SetDate(Opt::SERCHSTART, Now(r));
    if (!DestinationReady(r, settings, messages)) return 0;
    const CopySources sources = CopySourcesOf(r.store);
    if (!CopyMayRun(r, settings, sources, messages)) return 0;
    if (settings.clearDestination && messages.Show(ClearDestinationQuestion(settings.destination)) == MsgAnswer::Yes)
        RemoveFolderContent(settings.destination);

    const CopyCounters counters = RunCopy(sources, settings, r.logFolder, messages, progress);
    messages.Show(CopyEndedMessage(counters.replaced));
    r.options.SetDate(Opt::SEARCHENDT, Now(r));
    CopyLogContent log;
    log.startTime = FormatDateTimeSeconds(r.options.Date(Opt::SERCHSTART));
    log.endTime = FormatDateTimeSeconds(r.options.Date(Opt::SEARCHENDT));
    log.attempted = counters.attempted;
    log.failed = counters.failed;
    log.replaced = counters.replaced;
    WriteCopyLog(r.logFolder, std::move(log));
    return 1;
}

bool AddCopyDestination(std::vector<std::string>& destinations, const std::string& folder, UserMessages& messages) {
    for (const std::string& known : destinations) {
        if (EqualsIgnoreCase(known, folder)) {
            messages.Show(DestinationListedMessage());
            return false;
        }
    }
    destinations.push_back(folder);
    return true;
}

}  // namespace qf
