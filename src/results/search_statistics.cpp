#include "results/search_statistics.h"

#include "platform/case_fold.h"
#include "platform/file_time.h"
#include "results/result_kind.h"

namespace qf {

ActiveRows ActiveRows::FromOptions(const Options& options) {
    ActiveRows rows;
    rows.byFileName = options.On(Opt::STYDOSFILE);
    const bool query = !rows.byFileName;
    rows.fileNames = query && options.On(Opt::STSTRGFILE);
    rows.extensions = query && options.On(Opt::SSTRGFILEE);
    rows.folderNames = query && options.On(Opt::STYPFOLDER);
    rows.content = query && options.On(Opt::STYPESTEXT);
    return rows;
}

bool ActiveRows::Active(int row) const {
    switch (row) {
        case kRowFileNameOnly:
            return byFileName;
        case kRowFileName:
            return fileNames;
        case kRowExtension:
            return extensions;
        case kRowFolderName:
            return folderNames;
        case kRowContent:
            return content;
        default:
            return false;
    }
}

bool HasStatField(int row, int column) {
    if (row < 0 || row >= kStatRowCount || column < 0 || column >= kStatColumnCount) return false;
    if (column == kColBinarySkipped) return row == kRowContent;
    if (column == kColFoundFiles || column == kColExaminedFiles) return row != kRowFolderName;
    return true;
}

int StatRowOfKind(int kind) {
    switch (kind) {
        case kKindFile:
            return kRowFileNameOnly;
        case kKindFileName:
            return kRowFileName;
        case kKindExtension:
            return kRowExtension;
        case kKindFolderName:
            return kRowFolderName;
        case kKindFileContent:
            return kRowContent;
        default:
            return -1;
    }
}

StatFileType FileTypeOfExtension(std::string_view extension) {
    if (EqualsIgnoreCase(extension, "html")) return kTypeHtml;
    if (EqualsIgnoreCase(extension, "htm")) return kTypeHtm;
    if (EqualsIgnoreCase(extension, "txt")) return kTypeTxt;
    return kTypeOther;
}

void ResetStatistics(SearchStatistics& stats) {
    for (auto& row : stats.cells)
        for (auto& cell : row) cell = 0;
    for (auto& type : stats.fileTypes) {
        type.examined = 0;
        type.found = 0;
        type.notFound = 0;
    }
    stats.sumExamined = 0;
    stats.unreadableFiles = 0;
    stats.unreadableFolders = 0;
    stats.lineLimitFiles = 0;
    stats.regexLimitLines = 0;
    stats.startTime = 0;
    stats.endTime = 0;
    stats.ended = false;
    StartNextFolder(stats);
}

void CountFolderExamined(SearchStatistics& stats, const ActiveRows& rows) {
    for (int row = 0; row < kStatRowCount; ++row)
        if (rows.Active(row)) ++stats.cells[size_t(row)][kColExaminedFolders];
}

void StartNextFolder(SearchStatistics& stats) {
    for (auto& mark : stats.folderMarked) mark = false;
}

void CountFileExamined(SearchStatistics& stats, const ActiveRows& rows, StatFileType type, bool binaryType) {
    for (int row : {kRowFileNameOnly, kRowFileName, kRowExtension})
        if (rows.Active(row)) ++stats.cells[size_t(row)][kColExaminedFiles];
    if (rows.content && !binaryType) ++stats.cells[kRowContent][kColExaminedFiles];
    ++stats.fileTypes[type].examined;
    ++stats.sumExamined;
}

void CountBinarySkipped(SearchStatistics& stats) { ++stats.cells[kRowContent][kColBinarySkipped]; }

void CountResultMade(SearchStatistics& stats, int kind, const MAP_LINES_WITH_HITS& lines) {
    const int row = StatRowOfKind(kind);
    if (row < 0) return;
    uint64_t hits = 0;
    for (const auto& [number, line] : lines)
        for (const auto& [term, positions] : line.mapTermPositions) hits += positions.size();
    // A "File" result stands for the file itself: one hit, one line.
    if (kind == kKindFile) hits = 1;
    const uint64_t lineCount = kind == kKindFileContent ? lines.size() : 1;
    stats.cells[size_t(row)][kColHits] += hits;
    stats.cells[size_t(row)][kColLines] += lineCount;
}

void CountFileFound(SearchStatistics& stats, int kind) {
    const int row = StatRowOfKind(kind);
    if (row < 0) return;
    if (row != kRowFolderName) ++stats.cells[size_t(row)][kColFoundFiles];
    if (!stats.folderMarked[size_t(row)].exchange(true)) ++stats.cells[size_t(row)][kColFoundFolders];
}

void CountContentFile(SearchStatistics& stats, std::string_view extension, bool found) {
    FileTypeCounters& type = stats.fileTypes[FileTypeOfExtension(extension)];
    if (found)
        ++type.found;
    else
        ++type.notFound;
}

std::string LineLimitNote(uint64_t files) {
    return std::to_string(files) + " files reached the Line/File limit; their later lines were not read";
}

namespace {

uint64_t LocalValue(const SYSTEMTIME& local) {
    FILETIME ft;
    return SystemTimeToFileTime(local, ft) ? ft.Value() : 0;
}

}  // namespace

void RecordStartTime(SearchStatistics& stats, const SYSTEMTIME& local) { stats.startTime = LocalValue(local); }

void RecordEndTime(SearchStatistics& stats, const SYSTEMTIME& local) {
    stats.endTime = LocalValue(local);
    stats.ended = true;
}

std::string StatisticsTimeText(uint64_t localFileTime) {
    SYSTEMTIME st;
    if (localFileTime == 0 || !FileTimeToSystemTime(FILETIME::FromValue(localFileTime), st)) return {};
    return FormatDateTimeSeconds(st);
}

std::string StatisticsStatusText(const SearchStatistics& stats) {
    return stats.ended ? std::string(kEndOfSearchStatus) : std::string("Show files : ");
}

}  // namespace qf
