#include "textsearch/content_scan.h"

#include <cerrno>

#include "platform/case_fold.h"
#include "platform/file_info.h"
#include "results/record_maker.h"
#include "results/result_kind.h"
#include "textsearch/file_rule.h"

namespace qf {
namespace {

// The file keeps its verdict (with NOTCONTAIN it does not contain the terms),
// but it is counted and told. A failed conversion leaves no text to read; its
// log says so already.
void ReportUnreadable(ContentScanContext& context, const tagSelectedFileFolderStruct& entry, int error) {
    if (!entry.convertedFullPath.empty()) return;
    if (context.statistics) ++context.statistics->unreadableFiles;
    context.observer.Unreadable(entry.ReadPath(), error != 0 ? ErrorText(error) : "not a regular file");
}

// The find data of a file listed by name only, read where it is opened; a
// file that does not open is looked at by its path. False when it is no
// longer a file the search may select.
bool ReadDetails(const ContentFile& file, const std::string& path, WIN32_FIND_DATAA& details) {
    if (!file.IsOpen() && !GetFindData(path, details)) return false;
    return !details.IsFolder() && details.nFileSize <= kMaxContentBytes;
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
                 MAP_LINES_WITH_HITS lines) {
    if (context.counters.nResultLines.load() + 1 > context.query.options->Int(Opt::SEARCHMAXL)) {
        context.bStopSearch = 1;
        return false;
    }
    if (context.statistics) {
        CountResultMade(*context.statistics, kind, lines);
        CountFileFound(*context.statistics, kind);
    }
    const MadeRecords made = MakeRecords(context.results, entry, kind, std::move(lines));
    context.counters.nResultLines += int64_t(made.count);
    context.counters.nResultFiles += 1;
    if (made.count > 0 && context.results.LiveRows()) context.observer.RowsAppended(made.firstRow, made.count);
    context.observer.CountersChanged();
    return true;
}

// A found file listed by name only gets the find data read with its content.
// The reading's lines go to the store: the reading is done with them.
bool RecordFound(ContentScanContext& context, const tagSelectedFileFolderStruct& entry, FileReading& reading,
                 int kind) {
    if (!reading.withDetails) return RecordFound(context, entry, kind, std::move(reading.lines));
    tagSelectedFileFolderStruct detailed = entry;
    detailed.findData = reading.details;
    detailed.findDataPending = false;
    return RecordFound(context, detailed, kind, std::move(reading.lines));
}

}  // namespace

FileReading ReadFileContent(ContentScanContext& context, const std::string& path, int64_t linesLeft, bool withDetails) {
    FileReading reading;
    reading.withDetails = withDetails;
    errno = 0;
    ContentFile file =
        ContentFile::Open(path, kMaxContentBytes, withDetails ? &reading.details : nullptr, &context.folder);
    const int openError = errno;
    if (withDetails && !ReadDetails(file, path, reading.details)) {
        reading.selectable = false;
        // Gone since it was listed: told as a file that does not open is.
        reading.unreadable = !file.IsOpen() && openError != 0;
        reading.openError = openError;
        return reading;
    }
    if (!file.IsOpen()) {  // a file that does not open (or is no regular file) has no hit lines
        reading.unreadable = true;
        reading.openError = openError;
        return reading;
    }
    {
        LineReader reader(std::move(file), !context.query.matcher.caseSensitive, context.buffers, context.lineCap);
        ScanLines(context, reader, linesLeft, reading);
    }
    context.buffers.ReleaseIfGrown();
    return reading;
}

void SearchFileContent(ContentScanContext& context, const tagSelectedFileFolderStruct& entry, FileReading* readAhead) {
    if (!context.query.options) return;
    FileVerdict verdict{true, entry.resultKind};
    FileReading reading;
    const bool read = entry.resultKind == kKindFileContent;
    if (read) {
        context.observer.StatusText("Searching ...");
        context.observer.CurrentName(entry.fullPath);
        const int64_t left = RunLinesLeft(context);
        std::string built;
        reading = readAhead ? std::move(*readAhead)
                            : ReadFileContent(context, entry.ReadPath(built), left, entry.findDataPending);
        // Gone, or grown too large, since it was listed: it was never selected.
        if (reading.unreadable) ReportUnreadable(context, entry, reading.openError);
        if (!reading.selectable) return;
        KeepWithinRunLimit(reading, left);
        CountLineLimitCut(context, reading);
        if (!reading.givenUpLines.empty()) TellLinesGivenUp(context, reading, entry.ReadPath());
        verdict = ApplyFileRule(context.query, reading.lines);
        RestoreTimes(context, entry);
    }
    if (verdict.found) {
        const bool made = read ? RecordFound(context, entry, reading, verdict.kind)
                               : RecordFound(context, entry, verdict.kind, entry.nameHits);
        if (!made) return;
    }
    if (read && context.statistics) CountContentFile(*context.statistics, entry.extension, verdict.found);
    if (read && context.fileExamined) context.fileExamined(entry, verdict.found);
    context.bStopSearch = 0;
    if (context.bStopRequest == 1) context.bStopSearch = 1;
}

}  // namespace qf
