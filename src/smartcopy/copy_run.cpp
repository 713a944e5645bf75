#include "smartcopy/copy_run.h"

#include <set>

#include "archive/process_log.h"
#include "platform/file_copy.h"
#include "platform/file_info.h"
#include "platform/folder_ops.h"
#include "platform/paths.h"
#include "platform/text_lines_file.h"
#include "smartcopy/copy_log.h"
#include "smartcopy/copy_messages.h"
#include "smartcopy/increase_rule.h"

namespace qf {
namespace {

std::string TrimSpaces(const std::string& s) {
    const size_t first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

struct CopyRun {
    const CopySettings& settings;
    ProcessLog log;
    UserMessages& messages;
    CopyProgress& progress;
    CopyCounters counters;
    std::set<std::string> written;  // destinations of this run's copies
};

// Log message numbers of the two logs, by collision rule.
const char* OkNumber(CopyCollision c) {
    return c == CopyCollision::Overwrite ? "0255" : c == CopyCollision::IncreaseNames ? "0257" : "0259";
}
const char* FailedNumber(CopyCollision c) {
    return c == CopyCollision::Overwrite ? "0254" : c == CopyCollision::IncreaseNames ? "0256" : "0258";
}

void Succeeded(CopyRun& run, const std::string& source, const std::string& target) {
    ++run.counters.copied;
    if (!run.written.insert(target).second) ++run.counters.replaced;
    run.progress.FileCopied(source, target, run.counters);
    run.log.Good(kCopyOkEvent, CopyLogSubject(source, target), OkNumber(run.settings.collision));
}

void Failed(CopyRun& run, const std::string& source, const std::string& target) {
    ++run.counters.failed;
    run.log.Bad(kCopyFailedEvent, CopyLogSubject(source, target), FailedNumber(run.settings.collision));
}

// Only a taken name leads to the next name: a missing source, a full disk or
// a folder without write permission fails at once.
CopyOutcome CopyWithIncrease(CopyRun& run, const std::string& source, std::string& target) {
    const bool names = run.settings.collision == CopyCollision::IncreaseNames;
    const std::string folder = ParentPath(target);
    for (int attempt = 1;; ++attempt) {
        const CopyOutcome outcome = CopyFileKeepTime(source, target, false);
        if (outcome != CopyOutcome::DestinationExists || attempt == kMaxIncreaseAttempts) return outcome;
        const std::string name = BaseName(target);
        target = JoinPath(folder, names ? IncreaseFileName(name) : IncreaseFileExtension(name));
    }
}

void CopyOneFile(CopyRun& run, const std::string& source, const std::string& category) {
    ++run.counters.attempted;
    const std::string folder = CopyTargetFolder(run.settings.destination, source, category, run.settings.layout);
    if (run.settings.layout != CopyLayout::OneFolder) CreateFolders(folder);
    std::string target = JoinPath(folder, BaseName(source));
    WIN32_FIND_DATAA data;
    if (GetFindData(source, data)) run.counters.bytes += data.nFileSize;

    const CopyOutcome outcome = run.settings.collision == CopyCollision::Overwrite
                                    ? CopyFileKeepTime(source, target, true)
                                    : CopyWithIncrease(run, source, target);
    if (outcome == CopyOutcome::Copied) {
        Succeeded(run, source, target);
        return;
    }
    Failed(run, source, target);
    if (outcome == CopyOutcome::DestinationExists)
        run.messages.Show(run.settings.collision == CopyCollision::IncreaseNames ? NamesExhaustedMessage()
                                                                                 : ExtensionsExhaustedMessage());
}

void CopySet(CopyRun& run, const std::set<std::string>& paths, const std::string& category) {
    for (const std::string& path : paths) CopyOneFile(run, path, category);
}

}  // namespace

CopySettings CopySettingsFromOptions(const Options& o) {
    CopySettings s;
    s.results = o.On(Opt::CFRESULTSC);
    s.word = o.On(Opt::CFWORDCHKB);
    s.pdf = o.On(Opt::CFPDFCHECK);
    s.layout = o.On(Opt::CFINSUBFOL)   ? CopyLayout::TypeFolders
               : o.On(Opt::CFINONEFOS) ? CopyLayout::FolderTree
                                       : CopyLayout::OneFolder;
    s.collision = o.On(Opt::CFINCRRDBN)   ? CopyCollision::IncreaseNames
                  : o.On(Opt::CFNWEXRDBN) ? CopyCollision::IncreaseExtensions
                                          : CopyCollision::Overwrite;
    s.clearDestination = o.On(Opt::CFDELCHKBX);
    s.destination = TrimTrailingSeparators(TrimSpaces(o.Text(Opt::CFSDFLEDIT)));
    return s;
}

CopyCounters RunCopy(const CopySources& sources, const CopySettings& settings, const std::string& logFolder,
                     UserMessages& messages, CopyProgress& progress) {
    CopyRun run{settings, ProcessLog(logFolder, LogProcess::Copy, messages), messages, progress, {}, {}};
    CreateFolders(logFolder);
    WriteCrLfLines(run.log.GoodPath(), {});
    WriteCrLfLines(run.log.BadPath(), {});
    if (settings.results) CopySet(run, sources.results, "");
    if (settings.word) CopySet(run, sources.word, "Word Converted");
    if (settings.pdf) CopySet(run, sources.pdf, "Pdf Converted");
    // Texts of Office documents go with the Word box: they are the other word-processor texts.
    if (settings.word) CopySet(run, sources.office, "Office Converted");
    return run.counters;
}

}  // namespace qf
