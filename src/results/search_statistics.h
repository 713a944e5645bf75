#pragma once
// The counters of the statistics window, written by the worker as it goes
// and read by the window at any time.

#include <array>
#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/win_types.h"
#include "results/hit_types.h"
#include "settings/options.h"

namespace qf {

// The five kinds of search, one row each.
enum StatRow : int {
    kRowFileNameOnly = 0,  // "File name only": "File" results (4)
    kRowFileName = 1,      // "File name      (Query text)": 2
    kRowExtension = 2,     // "File extension (Query t.)": 10
    kRowFolderName = 3,    // "Folder name  (Query text)": 1
    kRowContent = 4,       // "File content   (Query text)": 3
    kStatRowCount = 5
};

enum StatColumn : int {
    kColHits = 0,             // " Number of" " hits"
    kColLines = 1,            // "  Number of " "  lines with hits"
    kColFoundFiles = 2,       // "Found in" "files"
    kColFoundFolders = 3,     // "Found in" "folders"
    kColExaminedFiles = 4,    // "Examined " "files "
    kColExaminedFolders = 5,  // "Examined " "folders "
    kColBinarySkipped = 6,    // "Binary skipped" "files "
    kStatColumnCount = 7
};

// The file-type rows: "Html  : ", "Htm   : ", "Txt   : ", "Other : ".
enum StatFileType : int { kTypeHtml = 0, kTypeHtm = 1, kTypeTxt = 2, kTypeOther = 3, kStatFileTypeCount = 4 };

constexpr std::string_view kEndOfSearchStatus = "End of search !!! ";

// The kinds a run performs; "By file name" excludes the query kinds.
struct ActiveRows {
    bool byFileName = false;
    bool fileNames = false;
    bool extensions = false;
    bool folderNames = false;
    bool content = false;

    static ActiveRows FromOptions(const Options& options);
    bool Active(int row) const;
};

struct FileTypeCounters {
    std::atomic<uint64_t> examined{0};
    std::atomic<uint64_t> found{0};
    std::atomic<uint64_t> notFound{0};
};

struct SearchStatistics {
    std::array<std::array<std::atomic<uint64_t>, kStatColumnCount>, kStatRowCount> cells{};
    std::array<FileTypeCounters, kStatFileTypeCount> fileTypes{};
    std::atomic<uint64_t> sumExamined{0};  // "Sum. : " "Examined  "
    // Beyond the grid: what the run could not read, and files whose reading
    // stopped at the per-file line limit (RESLINENUM) with lines still to come.
    std::atomic<uint64_t> unreadableFiles{0};
    std::atomic<uint64_t> unreadableFolders{0};
    std::atomic<uint64_t> lineLimitFiles{0};
    // Lines given up because a regular expression needed more work than allowed.
    std::atomic<uint64_t> regexLimitLines{0};
    // Local times as FILETIME values; 0 until set.
    std::atomic<uint64_t> startTime{0};
    std::atomic<uint64_t> endTime{0};
    std::atomic<bool> ended{false};
    // Rows that already counted a found folder in the current folder.
    std::array<std::atomic<bool>, kStatRowCount> folderMarked{};

    uint64_t Cell(int row, int column) const { return cells[size_t(row)][size_t(column)].load(); }
};

// True for the cells that have a field in the window.
bool HasStatField(int row, int column);

// The row that counts results of a kind; -1 for kinds no row counts.
int StatRowOfKind(int kind);

// "HTML", "HTM", "TXT" (any case) or other.
StatFileType FileTypeOfExtension(std::string_view extension);

// Every counter to 0 and the times cleared (the run's start).
void ResetStatistics(SearchStatistics& stats);

// The counting places of a run, in the order they are met.
// A folder is processed: Examined folders of every active row.
void CountFolderExamined(SearchStatistics& stats, const ActiveRows& rows);
// The run starts on the next folder: found-folder marks cleared.
void StartNextFolder(SearchStatistics& stats);
// A listed file passed the name or type rule (archives are not counted here).
// `type` is the extension's (FileTypeOfExtension).
void CountFileExamined(SearchStatistics& stats, const ActiveRows& rows, StatFileType type, bool binaryType);
// A selected file of a binary type is kept out of the content phase.
void CountBinarySkipped(SearchStatistics& stats);
// A result is made: hits and lines with hits of its row.
void CountResultMade(SearchStatistics& stats, int kind, const MAP_LINES_WITH_HITS& lines);
// A file's results are complete: found files and the folder's first find.
void CountFileFound(SearchStatistics& stats, int kind);
// The content scan read a file: "Found" or "Not found" of its type.
void CountContentFile(SearchStatistics& stats, std::string_view extension, bool found);

// "n files reached the Line/File limit; their later lines were not read"
std::string LineLimitNote(uint64_t files);

void RecordStartTime(SearchStatistics& stats, const SYSTEMTIME& local);
void RecordEndTime(SearchStatistics& stats, const SYSTEMTIME& local);
// "%02d/%02d/%d  %02d:%02d:%02d", or empty when the time was not recorded.
std::string StatisticsTimeText(uint64_t localFileTime);

// The status label: "End of search !!! " after the run, else "Show files : ".
std::string StatisticsStatusText(const SearchStatistics& stats);

}  // namespace qf
