#include "settings/search_start.h"

#include <algorithm>

namespace qf {
namespace {

Message NoFoldersMessage() {
    return WarningMessage("Warning !    Msg no:0088",
                          "There is(are) no selected folder(s) !\n\nAction: Press the Select FOLDER(s) button!");
}

Message EmptyElementMessage() {
    return WarningMessage("Warning !    Msg no: 0076",
                          "Empty element in search terms array !!!\n\nNothing between two marks(separators).");
}

Message EmptyTextMessage() {
    Message m;
    m.caption = "Warning !    Msg no: 0001.";
    m.text = "Text field is empty !";
    m.icon = MsgIcon::None;
    m.ownedByMainWindow = true;
    return m;
}

Message NoFileNamesMessage() {
    return WarningMessage("Warning !    Msg no:0105",
                          "There is(are) no file name(s) or file extension(s) for file search !\n\n"
                          "Action: Press the Select FILE(s) button!");
}

// Builds the term list from the query of the chosen kind (none by file name).
int BuildTermList(SettingsState& state, const QueryChecks& checks, UserMessages& messages) {
    const Options& o = state.options;
    if (o.On(Opt::STYDOSFILE)) return 1;
    std::vector<std::string> terms;
    int ok = 1;
    if (o.On(Opt::STANRADIO1)) {
        ok = checks.standard(state.lastStandardQuery, o.Text(Opt::SEPARATORH), terms, messages);
    } else if (o.On(Opt::BOOLRADIO1) || o.On(Opt::MICROBOOLR)) {
        ok = checks.boolean ? checks.boolean(state.lastBooleanQuery, terms, messages) : 0;
    }
    if (std::any_of(terms.begin(), terms.end(), [](const std::string& t) { return t.empty(); })) {
        messages.Show(EmptyElementMessage());
        return 0;
    }
    if (!ok) return 0;
    if (o.On(Opt::REGEXTERMS) && checks.patterns && !checks.patterns(terms, messages)) return 0;
    state.searchTerms = std::move(terms);
    return 1;
}

bool AnyQueryTarget(const Options& o) {
    return o.On(Opt::STYPESTEXT) || o.On(Opt::STYPFOLDER) || o.On(Opt::STSTRGFILE) || o.On(Opt::SSTRGFILEE);
}

void AppendAllFilesPattern(Options& o) {
    OptionList names = o.List(Opt::FILENAMES1);
    names.push_back("*.*");
    o.SetList(Opt::FILENAMES1, std::move(names));
}

}  // namespace

int ValidateSearchStart(SettingsState& state, const QueryChecks& checks, UserMessages& messages,
                        std::atomic<int>& bStopRequest) {
    state.searchTerms.clear();
    bStopRequest = 0;
    Options& o = state.options;
    if (o.List(Opt::DIRECTORIS).empty()) {
        messages.Show(NoFoldersMessage());
        return 0;
    }
    state.lastStandardQuery = o.Text(Opt::FINDTEXTS1);
    state.lastBooleanQuery = o.Text(Opt::FINDRICHED);
    state.TakeSnapshot();

    if (!BuildTermList(state, checks, messages)) return 0;
    // The snapshot describes the search: give it the terms just derived.
    state.snapshots.front().searchTerms = state.searchTerms;

    if (AnyQueryTarget(o)) {
        if (state.searchTerms.empty()) {
            messages.Show(EmptyTextMessage());
            return 0;
        }
        if (o.List(Opt::FILENAMES1).empty()) AppendAllFilesPattern(o);
    }
    if (o.On(Opt::STYDOSFILE)) {
        if (o.On(Opt::MATCHFILTY) && o.List(Opt::FILENAMES1).empty()) AppendAllFilesPattern(o);
        if (o.List(Opt::FILENAMES1).empty()) {
            messages.Show(NoFileNamesMessage());
            return 0;
        }
    }
    o.linesWithHitsMode = 1;
    o.linesWithHitsNote = "(before search)";
    o.SetInt(Opt::LISTORIGMO, 0);
    return 1;
}

}  // namespace qf
