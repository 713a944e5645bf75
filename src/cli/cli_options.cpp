#include "cli/cli_options.h"

#include <CLI/CLI.hpp>
#include <map>

#include "quillfind_version.h"

namespace qf::cli {
namespace {

constexpr const char* kOneLine = "--one-line";
constexpr const char* kUnzip = "--unzip";

// Flags whose value is optional: CLI11 would take the next word as their value
// (and swallow a folder), so "--flag=VALUE" is split off before parsing and a
// bare flag gets its default value.
struct OptionalValueFlag {
    std::string name;
    std::string whenBare;
    std::optional<std::string>& target;
};

std::vector<std::string> SplitOptionalValues(int argc, char** argv, std::vector<OptionalValueFlag> flags) {
    std::vector<std::string> args;
    bool positionalOnly = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (!positionalOnly && arg == "--") positionalOnly = true;
        for (OptionalValueFlag& flag : flags) {
            if (positionalOnly) break;
            if (arg.rfind(flag.name + "=", 0) == 0) {
                flag.target = arg.substr(flag.name.size() + 1);
                arg = flag.name;
            } else if (arg == flag.name && !flag.target) {
                flag.target = flag.whenBare;
            }
        }
        args.push_back(std::move(arg));
    }
    std::reverse(args.begin(), args.end());  // CLI11 takes a reversed vector
    return args;
}

// The help shows what an option takes, not which others it excludes (a
// combination that cannot be is refused with its reason).
class HelpFormatter : public CLI::Formatter {
public:
    std::string make_option_opts(const CLI::Option* option) const override {
        if (option->get_type_size() == 0) return {};
        std::string out = " " + option->get_type_name();
        if (option->get_expected_max() == CLI::detail::expected_max_vector_size) out += " ...";
        return out;
    }
};

// The help lists the options by theme, in the order added.
constexpr const char* kSelection = "Selection";
constexpr const char* kQuery = "Query";
constexpr const char* kArchives = "Archives and documents";
constexpr const char* kResults = "Results";
constexpr const char* kReports = "Reports and copy";
constexpr const char* kSettings = "Settings";

constexpr const char* kExample =
    "Example:\n"
    "  quillfind-cli -q 'budget \"first quarter\"' --in content,name -f '*.txt *.doc' ~/docs\n"
    "  quillfind-cli --by-name -f '*.log' --format json /var/tmp\n";

void AddSelectionOptions(CLI::App& app, CliOptions& o) {
    app.add_option("FOLDER", o.folders, "Folders to search")->type_name("FOLDER")->group(kSelection);
    app.add_flag("--by-name", o.byName, "Select files by name and type only, no query")->group(kSelection);
    app.add_option("-f,--files", o.files, "File name patterns, split like a query")
        ->type_name("PATTERNS")->group(kSelection);
    app.add_option("--exclude-dir", o.excludeDirs, "A folder not to search (with everything below it)")
        ->type_name("DIR")->allow_extra_args(false)->group(kSelection);
    app.add_flag("--no-subfolders", o.noSubfolders, "Do not walk into subfolders")->group(kSelection);
}

void AddQueryOptions(CLI::App& app, CliOptions& o) {
    auto* query = app.add_option("-q,--query", o.query, "The standard query text")->group(kQuery);
    auto* in = app.add_option("--in", o.in, "Where the query is searched: content,name,ext,folder")
                   ->type_name("LIST")->group(kQuery);
    auto* boolean = app.add_option("-b,--boolean", o.booleanQuery, "A Boolean query, evaluated per file")->group(kQuery);
    auto* line = app.add_option("--line-boolean", o.lineBooleanQuery, "A Boolean query, evaluated per line")
                     ->group(kQuery);
    boolean->excludes(line);
    // "By file name" has no query.
    for (CLI::Option* option : {query, in, boolean, line}) app.get_option("--by-name")->excludes(option);
    app.add_flag("-c,--case", o.caseSensitive, "Case sensitive")->group(kQuery);
    app.add_flag("-e,--regex", o.regex, "Every term is a regular expression (REGEXTERMS)")->group(kQuery);
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
    for (CLI::Option* option : {whole, part, any, all, none, oneLine}) option->group(kQuery);
    app.add_option("--max-lines", o.maxLines, "Result line limit (SEARCHMAXL)")
        ->check(CLI::Range(0, 10000))->type_name("N")->group(kQuery);
    app.add_option("--per-file", o.perFile, "Lines with hits per file (RESLINENUM)")
        ->check(CLI::NonNegativeNumber)->type_name("N")->group(kQuery);
    app.add_option("--threads", o.threads, "Threads that read files, 0 for one per core (READTHREAD)")
        ->check(CLI::Range(0, 64))->type_name("N")->group(kQuery);
}

void AddArchiveOptions(CLI::App& app, CliOptions& o) {
    app.add_flag_callback(kUnzip, [] {}, "Search inside ZIP archives; =PATTERNS limits them by name")->group(kArchives);
    app.add_option("--zip-dir", o.zipDir, "Working folder for unzipping (ZIPWORKDIR)")->type_name("DIR")->group(kArchives);
    app.add_option("--word-dir", o.wordDir, "Working folder for converted Word documents (WORDWRKDIR)")
        ->type_name("DIR")->group(kArchives);
    app.add_option("--pdf-dir", o.pdfDir, "Working folder for converted PDF documents (PDFWORKDIR)")
        ->type_name("DIR")->group(kArchives);
    app.add_option("--log", o.logs, "Print a process log after the run: zip, word, pdf, office or copy")
        ->check(CLI::IsMember({"zip", "word", "pdf", "office", "copy"}))
        ->allow_extra_args(false)->type_name("LOG")->group(kArchives);
}

void AddResultOptions(CLI::App& app, CliOptions& o) {
    const std::map<std::string, OutputFormat> formats = {
        {"table", OutputFormat::Table}, {"tsv", OutputFormat::Tsv}, {"csv", OutputFormat::Csv},
        {"json", OutputFormat::Json}};
    app.add_option("--format", o.format, "table, tsv, csv or json")
        ->transform(CLI::CheckedTransformer(formats).description(""))->type_name("FORMAT")->group(kResults);
    app.add_option("--sort", o.sortKey, "Sort the results: a \"Sort by\" caption or its index 0-7")
        ->type_name("KEY")->group(kResults);
    app.add_flag("--desc", o.descending, "Sort in descending order")->group(kResults);
    auto* group = app.add_option("--group", o.group, "Keep only these types, grouped in this order: \"doc txt\"")
                      ->type_name("TYPES")->group(kResults);
    // Each of the two rebuilds the whole list from the search's results, as
    // the window's commands do, so they do not combine.
    app.add_option("--lines-per-file", o.linesPerFile, "Lines with hits shown per file")
        ->check(CLI::PositiveNumber)->excludes(group)->type_name("N")->group(kResults);
    app.add_option("--preview", o.previewRow, "Print the preview of result ROW")
        ->check(CLI::PositiveNumber)->type_name("ROW")->group(kResults);
    app.add_option("--record", o.recordRow, "Print the record view of result ROW")
        ->check(CLI::PositiveNumber)->type_name("ROW")->group(kResults);
    auto* on = app.add_flag_callback("--progress", [&o] { o.progress = true; }, "Progress line on stderr");
    auto* off = app.add_flag_callback("--no-progress", [&o] { o.progress = false; }, "No progress line");
    on->excludes(off);
    on->group(kResults);
    off->group(kResults);
    app.add_flag("--beep", o.beep, "Ring the terminal bell at the end of the search")->group(kResults);
}

void AddReportOptions(CLI::App& app, CliOptions& o) {
    app.add_option("--report", o.reportFile, "Write a report file")->type_name("FILE")->group(kReports);
    app.add_option("--sections", o.sections, "Report sections: logic,lines,stats")->type_name("LIST")->group(kReports);
    app.add_option("--columns", o.columns, "Report columns by name or number, in order")
        ->type_name("LIST")->group(kReports);
    app.add_option("--export", o.exportFile, "Write a comma-separated export file")->type_name("FILE")->group(kReports);
    app.add_flag("--stats", o.stats, "Print the statistics table after the run")->group(kReports);
    app.add_option("--copy-to", o.copyTo, "Copy the result files into DIR")->type_name("DIR")->group(kReports);
    app.add_option("--copy", o.copyKinds, "What to copy: results,word,pdf")->type_name("LIST")->group(kReports);
    app.add_option("--layout", o.copyLayout, "Copy layout: one, types or tree")->type_name("LAYOUT")->group(kReports);
    app.add_option("--collide", o.copyCollide, "When a name exists: overwrite, names or exts")
        ->type_name("RULE")->group(kReports);
    app.add_flag("--clear-dest", o.clearDest, "Empty the destination before copying")->group(kReports);
}

void AddSettingsOptions(CLI::App& app, CliOptions& o) {
    app.add_option("--home", o.home, "Application home")->type_name("DIR")->group(kSettings);
    app.add_option("--settings", o.settingsFile, "Settings file to load")->type_name("FILE")->group(kSettings);
    app.add_option("--save-settings", o.saveSettingsFile, "Write the settings to FILE")
        ->type_name("FILE")->group(kSettings);
    app.add_option("--set", o.sets, "Set an option by key: KEY=VALUE")
        ->type_name("KEY=VALUE")->allow_extra_args(false)->group(kSettings);
    app.add_flag("--describe", o.describe, "Print the description of the settings")->group(kSettings);
    app.add_flag("--yes", o.yes, "Answer Yes to questions")->group(kSettings);
}

}  // namespace

int ParseCommandLine(int argc, char** argv, CliOptions& options) {
    CLI::App app{"Searches folders, file names and file content without an index.", "quillfind-cli"};
    app.set_version_flag("--version", std::string("quillfind-cli ") + QUILLFIND_VERSION, "Print the version and exit");
    AddSelectionOptions(app, options);
    AddQueryOptions(app, options);
    AddArchiveOptions(app, options);
    AddResultOptions(app, options);
    AddReportOptions(app, options);
    AddSettingsOptions(app, options);
    app.footer(kExample);
    app.formatter(std::make_shared<HelpFormatter>());
    std::vector<std::string> args = SplitOptionalValues(
        argc, argv, {{kOneLine, "any", options.oneLine}, {kUnzip, "", options.unzip}});
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
