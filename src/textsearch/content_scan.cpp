#include "textsearch/content_scan.h"

#include <cerrno>

#include "platform/case_fold.h"
#include "platform/file_info.h"
#include "results/record_maker.h"
#include "results/result_kind.h"
#include "textsearch/file_rule.h"

namespace qf {
namespace {

// False, with the error number, when the file does not open: it has no hit
// lines. The number is 0 when what opened is no regular file.
bool ScanFile(ContentScanContext& context, const std::string& path, MAP_LINES_WITH_HITS& lines, int& error) {
    errno = 0;
    ContentFile file = ContentFile::Open(path);
    if (!file.IsOpen()) {
        error = errno;
        return false;
    }
    {
        LineReader reader(std::move(file), !context.query.matcher.caseSensitive, context.buffers, context.lineCap);
        context.readPath = path;
        ScanLines(context, reader, lines);
    }
    context.buffers.ReleaseIfGrown();
    return true;
}

// The file keeps its verdict (with NOTCONTAIN it does not contain the terms),
// but it is counted and told. A failed conversion leaves no text to read; its
// log says so already.
void ReportUnreadable(ContentScanContext& context, const tagSelectedFileFolderStruct& entry, int error) {
    if (!entry.convertedFullPath.empty()) return;
    if (context.statistics) ++context.statistics->unreadableFiles;
    context.observer.Unreadable(entry.ReadPath(), error != 0 ? ErrorText(error) : "not a regular file");
}

// The one folder whose files keep the times reading gave them.
bool IsWindowsFolder(const std::string& folder) {
    std::string key = folder.substr(0, 2);
    if (folder.size() > 3) key += folder.substr(3, 7);
    return CharUpperA(key) == "C:WINDOWS";
}

void RestoreTimes(const ContentScanContext& context, const tagSelectedFileFolderStruct& entry) {
    if (!context.query.options->On(Opt::RESTORETIM) || IsWindowsFolder(entry.folderPath)) return;
    // An extracted copy is our own file; the archive itself was not read here.
    if (!entry.unzippedFolder.empty()) return;
    RestoreFileTimes(entry.fullPath, entry.findData.ftLastAccessTime, entry.findData.ftLastWriteTime);
}

// Makes the records of a found entry; false when the run's line limit is
// reached first, which ends the run.
bool RecordFound(ContentScanContext& context, const tagSelectedFileFolderStruct& entry, int kind,
                 const MAP_LINES_WITH_HITS& lines) {
    if (context.counters.nResultLines.load() + 1 > context.query.options->Int(Opt::SEARCHMAXL)) {
        context.bStopSearch = 1;
        return false;
    }
    const MadeRecords made = MakeRecords(context.results, entry, kind, lines);
    context.counters.nResultLines += int64_t(made.count);
    context.counters.nResultFiles += 1;
    if (context.statistics) {
        CountResultMade(*context.statistics, kind, lines);
        CountFileFound(*context.statistics, kind);
    }
    if (made.count > 0) context.observer.RowsAppended(made.firstRow, made.count);
    context.observer.CountersChanged();
    return true;
}

}  // namespace

void SearchFileContent(ContentScanContext& context, const tagSelectedFileFolderStruct& entry) {
    if (!context.query.options) return;
    FileVerdict verdict{true, entry.resultKind};
    MAP_LINES_WITH_HITS lines;
    const bool read = entry.resultKind == kKindFileContent;
    if (read) {
        context.observer.StatusText("Searching ...");
        context.observer.CurrentName(entry.fullPath);
        int error = 0;
        if (!ScanFile(context, entry.ReadPath(), lines, error)) ReportUnreadable(context, entry, error);
        verdict = ApplyFileRule(context.query, lines);
        RestoreTimes(context, entry);
    }
    if (verdict.found && !RecordFound(context, entry, verdict.kind, read ? lines : entry.nameHits)) return;
    if (read && context.statistics) CountContentFile(*context.statistics, entry.extension, verdict.found);
    if (read && context.fileExamined) context.fileExamined(entry, verdict.found);
    context.bStopSearch = 0;
    if (context.bStopRequest == 1) context.bStopSearch = 1;
}

}  // namespace qf
