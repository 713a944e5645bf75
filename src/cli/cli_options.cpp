#include "cli/cli_options.h"

#include <CLI/CLI.hpp>
#include <map>

namespace qf::cli {
namespace {

constexpr const char* kOneLine = "--one-line";

// CLI11 would take the word after a bare "--one-line" as its value (and
// swallow a folder), so "--one-line=ORDER" is split off before parsing.
std::vector<std::string> SplitOneLine(int argc, char** argv, std::optional<std::string>& order) {
    std::vector<std::string> args;
    bool positionalOnly = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (!positionalOnly && arg == "--") positionalOnly = true;
        if (!positionalOnly && arg.rfind(std::string(kOneLine) + "=", 0) == 0) {
            order = arg.substr(std::string(kOneLine).size() + 1);
            arg = kOneLine;
        } else if (!positionalOnly && arg == kOneLine && !order) {
            order = "any";
        }
        args.push_back(std::move(arg));
    }
    std::reverse(args.begin(), args.end());  // CLI11 takes a reversed vector
    return args;
}

void AddSearchOptions(CLI::App& app, CliOptions& o) {
    app.add_flag("--by-name", o.byName, "Select files by name and type only, no query");
    app.add_option("-q,--query", o.query, "The standard query text");
    app.add_option("--in", o.in, "Where the query is searched: content,name,ext,folder");
    app.add_option("-f,--files", o.files, "File name patterns, split like a query");
    app.add_option("--exclude-dir", o.excludeDirs, "A folder not to search (with everything below it)")
        ->allow_extra_args(false);
    app.add_flag("--no-subfolders", o.noSubfolders, "Do not walk into subfolders");
    app.add_flag("-c,--case", o.caseSensitive, "Case sensitive");
    auto* whole = app.add_flag_callback("-w,--whole", [&o] { o.words = WordMode::Whole; }, "Whole terms only");
    auto* part = app.add_flag_callback("--part", [&o] { o.words = WordMode::Part; }, "Parts of terms only");
    whole->excludes(part);
    auto* any = app.add_flag_callback("--any", [&o] { o.fileMode = FileMode::Any; }, "A file must contain any term");
    auto* all = app.add_flag_callback("--all", [&o] { o.fileMode = FileMode::All; }, "A file must contain all terms");
    auto* none = app.add_flag_callback("--none", [&o] { o.fileMode = FileMode::None; }, "A file must contain none");
    any->excludes(all)->excludes(none);
    all->excludes(none);
    auto* oneLine = app.add_flag_callback(kOneLine, [] {}, "All terms in one line; =any or =given order");
    oneLine->excludes(any)->excludes(none);
    app.add_option("--max-lines", o.maxLines, "Result line limit (SEARCHMAXL)")->check(CLI::Range(0, 10000));
    app.add_option("--per-file", o.perFile, "Lines with hits per file (RESLINENUM)")->check(CLI::NonNegativeNumber);
}

void AddProgramOptions(CLI::App& app, CliOptions& o) {
    app.add_option("FOLDER", o.folders, "Folders to search")->type_name("FOLDER");
    app.add_option("--home", o.home, "Application home");
    app.add_option("--settings", o.settingsFile, "Settings file to load");
    app.add_option("--save-settings", o.saveSettingsFile, "Write the settings to FILE");
    app.add_option("--set", o.sets, "Set an option by key: KEY=VALUE")->type_name("KEY=VALUE")->allow_extra_args(false);
    const std::map<std::string, OutputFormat> formats = {
        {"table", OutputFormat::Table}, {"tsv", OutputFormat::Tsv}, {"csv", OutputFormat::Csv},
        {"json", OutputFormat::Json}};
    app.add_option("--format", o.format, "table, tsv, csv or json")->transform(CLI::CheckedTransformer(formats));
    app.add_flag("--yes", o.yes, "Answer Yes to questions");
    auto* on = app.add_flag_callback("--progress", [&o] { o.progress = true; }, "Progress line on stderr");
    auto* off = app.add_flag_callback("--no-progress", [&o] { o.progress = false; }, "No progress line");
    on->excludes(off);
}

}  // namespace

int ParseCommandLine(int argc, char** argv, CliOptions& options) {
    CLI::App app{"Searches folders, file names and file content without an index.", "quillfind-cli"};
    AddProgramOptions(app, options);
    AddSearchOptions(app, options);
    std::vector<std::string> args = SplitOneLine(argc, argv, options.oneLine);
    try {
        app.parse(args);
    } catch (const CLI::ParseError& e) {
        // CLI11 reports through exceptions; they end here, at the boundary.
        const int code = app.exit(e);
        return code == 0 ? 0 : 2;
    }
    if (options.oneLine && *options.oneLine != "any" && *options.oneLine != "given") {
        std::fprintf(stderr, "--one-line: expected any or given, got '%s'\n", options.oneLine->c_str());
        return 2;
    }
    return -1;
}

}  // namespace qf::cli
