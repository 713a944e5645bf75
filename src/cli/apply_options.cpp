#include "cli/apply_options.h"

#include <cstdio>
#include <filesystem>

#include "platform/paths.h"
#include "reports/report_cli_options.h"
#include "settings/option_text.h"
#include "settings/search_mode.h"
#include "settings/settings_file.h"
#include "smartcopy/copy_cli_options.h"
#include "textsearch/query_terms.h"

namespace qf::cli {
namespace {

bool ApplySets(const std::vector<std::string>& sets, Options& options) {
    for (const std::string& set : sets) {
        const size_t eq = set.find('=');
        if (eq == std::string::npos) {
            std::fprintf(stderr, "--set %s: expected KEY=VALUE\n", set.c_str());
            return false;
        }
        std::string error;
        if (!SetOptionFromText(options, std::string_view(set).substr(0, eq), std::string_view(set).substr(eq + 1),
                               error)) {
            std::fprintf(stderr, "--set %s: %s\n", set.c_str(), error.c_str());
            return false;
        }
    }
    return true;
}

bool ApplyTargets(const std::string& list, Options& o) {
    for (Opt flag : {Opt::STYPESTEXT, Opt::STSTRGFILE, Opt::SSTRGFILEE, Opt::STYPFOLDER}) o.SetInt(flag, 0);
    size_t start = 0;
    while (start <= list.size()) {
        const size_t comma = std::min(list.find(',', start), list.size());
        const std::string word = list.substr(start, comma - start);
        if (word == "content") o.SetInt(Opt::STYPESTEXT, 1);
        else if (word == "name") o.SetInt(Opt::STSTRGFILE, 1);
        else if (word == "ext") o.SetInt(Opt::SSTRGFILEE, 1);
        else if (word == "folder") o.SetInt(Opt::STYPFOLDER, 1);
        else {
            std::fprintf(stderr, "--in: unknown target '%s' (content, name, ext, folder)\n", word.c_str());
            return false;
        }
        start = comma + 1;
    }
    return true;
}

bool ApplyFilePatterns(const std::string& text, Options& o, UserMessages& messages) {
    std::vector<std::string> names;
    if (!ParseQueryTerms(text, o.Text(Opt::SEPARATORH), names, messages)) return false;
    for (const std::string& name : names) {
        if (name.empty()) {
            messages.Show(WarningMessage("Warning !    Msg no: 0077",
                                         "Empty element in file array !!!\n\nNothing between two marks(separators)."));
            return false;
        }
    }
    o.SetList(Opt::FILENAMES1, names);
    o.SetText(Opt::CRFILETEXT, text);
    return true;
}

void ApplyTextOptions(const CliOptions& cli, Options& o) {
    if (cli.caseSensitive) o.SetInt(Opt::CASESENSIT, 1);
    if (cli.regex) o.SetInt(Opt::REGEXTERMS, 1);
    if (cli.words == WordMode::Whole) o.Choose({Opt::ALLWORDPRT, Opt::WHOLEWORDS, Opt::PARTSWORDS}, Opt::WHOLEWORDS);
    if (cli.words == WordMode::Part) o.Choose({Opt::ALLWORDPRT, Opt::WHOLEWORDS, Opt::PARTSWORDS}, Opt::PARTSWORDS);
    const std::initializer_list<Opt> fileGroup = {Opt::CKALLWORDS, Opt::CKANYWORDS, Opt::NOTCONTAIN};
    if (cli.fileMode == FileMode::All) o.Choose(fileGroup, Opt::CKALLWORDS);
    if (cli.fileMode == FileMode::Any) o.Choose(fileGroup, Opt::CKANYWORDS);
    if (cli.fileMode == FileMode::None) o.Choose(fileGroup, Opt::NOTCONTAIN);
    // One line needs "containing all"; any other file mode switches it off.
    if (!o.On(Opt::CKALLWORDS)) o.SetInt(Opt::ALLINONECH, 0);
    if (cli.oneLine) {
        o.Choose(fileGroup, Opt::CKALLWORDS);
        o.SetInt(Opt::ALLINONECH, 1);
        o.Choose({Opt::INANYORDER, Opt::INGIVORDER}, *cli.oneLine == "given" ? Opt::INGIVORDER : Opt::INANYORDER);
    }
    if (cli.maxLines) o.SetInt(Opt::SEARCHMAXL, *cli.maxLines);
    if (cli.perFile) o.SetInt(Opt::RESLINENUM, *cli.perFile);
    if (cli.threads) o.SetInt(Opt::READTHREAD, *cli.threads);
}

void ApplyBooleanQuery(const CliOptions& cli, Options& o) {
    const std::initializer_list<Opt> kinds = {Opt::STANRADIO1, Opt::BOOLRADIO1, Opt::MICROBOOLR};
    const std::optional<std::string>& text = cli.booleanQuery ? cli.booleanQuery : cli.lineBooleanQuery;
    if (!text) return;
    o.SetText(Opt::FINDRICHED, *text);
    o.Choose(kinds, cli.booleanQuery ? Opt::BOOLRADIO1 : Opt::MICROBOOLR);
}

bool ApplyArchiveOptions(const CliOptions& cli, Options& o, UserMessages& messages) {
    if (cli.unzip) {
        std::vector<std::string> patterns;
        if (!ParseQueryTerms(*cli.unzip, o.Text(Opt::SEPARATORH), patterns, messages)) return false;
        if (patterns.empty()) patterns.push_back("*.zip");
        o.SetInt(Opt::CONVZIPCHK, 1);
        o.SetText(Opt::ZFNDFLTEXT, *cli.unzip);
        o.SetList(Opt::ZFILENAMES, patterns);
    }
    if (cli.zipDir) o.SetText(Opt::ZIPWORKDIR, FolderArgument(*cli.zipDir));
    if (cli.wordDir) o.SetText(Opt::WORDWRKDIR, FolderArgument(*cli.wordDir));
    if (cli.pdfDir) o.SetText(Opt::PDFWORKDIR, FolderArgument(*cli.pdfDir));
    return true;
}

// Reports the first refused word on stderr.
bool Checked(bool ok, const char* option, const std::string& error) {
    if (!ok) std::fprintf(stderr, "%s: %s\n", option, error.c_str());
    return ok;
}

bool ApplyReportAndCopyOptions(const CliOptions& cli, Options& o) {
    std::string error;
    if (cli.sections && !Checked(ParseReportSections(*cli.sections, o, error), "--sections", error)) return false;
    if (cli.columns && !Checked(ParseReportColumns(*cli.columns, o, error), "--columns", error)) return false;
    if (cli.copyTo) SetCopyDestination(o, FolderArgument(*cli.copyTo));
    if (cli.copyKinds && !Checked(ParseCopyKinds(*cli.copyKinds, o, error), "--copy", error)) return false;
    if (cli.copyLayout && !Checked(ParseCopyLayout(*cli.copyLayout, o, error), "--layout", error)) return false;
    if (cli.copyCollide && !Checked(ParseCopyCollision(*cli.copyCollide, o, error), "--collide", error)) return false;
    if (cli.clearDest) SetClearDestination(o, true);
    return true;
}

bool ApplySearchOptions(const CliOptions& cli, Options& o, UserMessages& messages) {
    if (!cli.folders.empty()) {
        OptionList folders;
        for (const std::string& f : cli.folders) folders.push_back(FolderArgument(f));
        o.SetList(Opt::DIRECTORIS, folders);
    }
    OptionList ignored = o.List(Opt::IGNDIRECTS);
    for (const std::string& f : cli.excludeDirs) ignored.push_back(FolderArgument(f));
    o.SetList(Opt::IGNDIRECTS, ignored);
    if (cli.noSubfolders) o.SetInt(Opt::SUBFOLDERS, 0);
    // A query or its targets leave a loaded "By file name" as the window's "Query text in: " does.
    if (cli.query || cli.in || cli.booleanQuery || cli.lineBooleanQuery) SelectQueryTextMode(o);
    if (cli.query) o.SetText(Opt::FINDTEXTS1, *cli.query);
    if (cli.in && !ApplyTargets(*cli.in, o)) return false;
    if (cli.files && !ApplyFilePatterns(*cli.files, o, messages)) return false;
    ApplyBooleanQuery(cli, o);
    ApplyTextOptions(cli, o);
    // "By file name", chosen here or loaded, leaves no query target and no query kind set.
    if (cli.byName || o.On(Opt::STYDOSFILE)) SelectByFileNameMode(o);
    return ApplyArchiveOptions(cli, o, messages) && ApplyReportAndCopyOptions(cli, o);
}

}  // namespace

std::string FolderArgument(const std::string& folder) {
    std::error_code ec;
    std::filesystem::path path = std::filesystem::absolute(folder, ec);
    if (ec) path = folder;
    return TrimTrailingSeparators(path.lexically_normal().string());
}

bool ApplyCommandLine(const CliOptions& cli, Options& options, UserMessages& messages) {
    if (!cli.settingsFile.empty() && !LoadSettingsFile(options, cli.settingsFile, messages)) return false;
    if (!ApplySets(cli.sets, options)) return false;
    return ApplySearchOptions(cli, options, messages);
}

}  // namespace qf::cli
