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
    WordMode words = WordMode::Keep;
    FileMode fileMode = FileMode::Keep;
    std::optional<std::string> oneLine;     // "any" or "given"
    std::optional<int> maxLines;
    std::optional<int> perFile;
    OutputFormat format = OutputFormat::Table;
    bool yes = false;
    std::optional<bool> progress;           // unset: only on a terminal
};

// Parses argv. Returns -1 when the program goes on, else the exit code
// (0 after --help, 2 after an error, which has been printed).
int ParseCommandLine(int argc, char** argv, CliOptions& options);

}  // namespace qf::cli
