#pragma once
// The command line's options as parsed, before they reach the settings.

#include <optional>
#include <string>
#include <vector>

#include "cli/output_formats.h"

namespace qf::cli {

enum class FileMode { Keep, All, Any, None };
enum class WordMode { Keep, Whole, Part };

struct CliOptions {
    std::vector<std::string> folders;
    std::string home;
    std::string settingsFile;
    std::string saveSettingsFile;
    std::vector<std::string> sets;          // KEY=VALUE, in order
    bool byName = false;
    std::optional<std::string> query;
    std::optional<std::string> in;          // content,name,ext,folder
    std::optional<std::string> files;
    std::vector<std::string> excludeDirs;
    bool noSubfolders = false;
    bool caseSensitive = false;
    bool regex = false;  // every term is a regular expression
    WordMode words = WordMode::Keep;
    FileMode fileMode = FileMode::Keep;
    std::optional<std::string> oneLine;     // "any" or "given"
    std::optional<int> maxLines;
    std::optional<int> perFile;
    std::optional<int> threads;             // READTHREAD
    OutputFormat format = OutputFormat::Table;
    bool yes = false;
    bool beep = false;                      // the end-of-search sound as the terminal bell
    std::optional<bool> progress;           // unset: only on a terminal
    std::optional<std::string> booleanQuery;      // --boolean
    std::optional<std::string> lineBooleanQuery;  // --line-boolean

    // Archives and documents
    std::optional<std::string> unzip;       // ZIP name patterns; "" for every archive
    std::optional<std::string> zipDir, wordDir, pdfDir;
    std::vector<std::string> logs;          // zip, word, pdf, copy: viewer texts after the run

    // The result list after the run
    std::optional<std::string> sortKey;
    bool descending = false;
    std::optional<std::string> group;       // "doc txt"
    std::optional<int> linesPerFile;
    std::optional<int> previewRow;          // 1-based, as the "No." column
    std::optional<int> recordRow;

    // Reports, statistics, smart copy
    std::optional<std::string> reportFile, sections, columns, exportFile;
    bool describe = false;
    bool stats = false;
    std::optional<std::string> copyTo, copyKinds, copyLayout, copyCollide;
    bool clearDest = false;
};

// Parses argv. Returns -1 when the program goes on, else the exit code
// (0 after --help, 2 after an error, which has been printed).
int ParseCommandLine(int argc, char** argv, CliOptions& options);

}  // namespace qf::cli
