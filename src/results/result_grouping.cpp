#include "results/result_grouping.h"

#include <algorithm>
#include <map>
#include <set>
#include <utility>

#include "platform/case_fold.h"
#include "results/list_view_spacer.h"
#include "results/result_rebuild.h"
#include "results/result_renumber.h"
#include "results/result_sorting.h"

namespace qf {
namespace {


// A padded extension has trailing spaces that are not part of the type.
std::string TypeOf(const tagPrivStruct& r) {
    std::string type = CharLowerA(r.extension);
    while (!type.empty() && type.back() == ' ') type.pop_back();
    return type;
}

void SortByGroup(RESULT_LIST& list) {
    SortListByKey(
        list,
        [](const tagPrivStruct& r, std::string& out) {
            out.append(r.spare).append(r.folderKey).append(r.fileKey).append(r.lineNumberCopy);
        },
        false);
}

std::map<std::string, int> GroupNumbers(const std::vector<std::string>& include) {
    std::map<std::string, int> groups;
    for (const std::string& type : include) groups.try_emplace(CharLowerA(type), int(groups.size()));
    return groups;
}

RESULT_LIST KeepGroups(RESULT_LIST work, const std::map<std::string, int>& groups) {
    RESULT_LIST kept;
    for (tagPrivStruct& r : work) {
        const auto group = groups.find(TypeOf(r));
        if (group == groups.end()) continue;
        r.spare = std::to_string(group->second);
        kept.push_back(std::move(r));
    }
    return kept;
}

bool RefuseEmptyLists(const ResultViewState& view, UserMessages& messages) {
    if (view.includeTypes.empty() && view.excludeTypes.empty()) {
        messages.Show(WarningMessage("Warning !!! Msg no: 0135.",
                                     "Empty include and exclude window.No items to grouping!\n\nAction: You must "
                                     "search to give file type(s) in the \n\n             exclude window."));
        return true;
    }
    if (view.includeTypes.empty()) {
        messages.Show(WarningMessage("Warning !!! Msg no: 0109.",
                                     "Empty include window. No items to grouping!\n\nAction: You must add at least "
                                     "one file type \n\n             from exclude to include window"));
        return true;
    }
    return false;
}

}  // namespace

std::vector<std::string> DistinctTypes(const RESULT_LIST& list) {
    std::set<std::string> types;
    // A file's rows, and often a folder's files, share one extension: it is
    // lowered and looked up once for each run of rows that share it.
    const std::string* last = nullptr;
    for (const tagPrivStruct& r : list) {
        if (last && r.extension == *last) continue;
        types.insert(TypeOf(r));
        last = &r.extension;
    }
    return {types.begin(), types.end()};
}

bool FillTypeLists(const SearchResults& results, ResultViewState& view) {
    view.includeTypes.clear();
    results.Read(
        [&view](const RESULT_LIST& list, const FileResultsStore&) { view.excludeTypes = DistinctTypes(list); });
    return !view.excludeTypes.empty();
}

CommandReport GroupResults(SearchResults& results, ResultViewState& view, Options& options, UserMessages& messages) {
    if (RefuseEmptyLists(view, messages)) return {CommandOutcome::Refused, {}};
    if (results.Size() == 0) return {CommandOutcome::HideWindow, {}};
    const std::map<std::string, int> groups = GroupNumbers(view.includeTypes);
    // Built from a copy and swapped in: a running search must not wait for
    // the rebuild and sort to append its next record.
    const FileResultsStore store = results.CopyStore();
    if (store.empty()) {
        results.ReplaceList({});
        view.folderFileCounts.clear();
        messages.Show(WarningMessage("Warning !    Msg no: 0089.",
                                     "No result lines !\n\nAction: You must do search to get result lines."));
        return {CommandOutcome::Refused, {}};
    }
    RESULT_LIST list = KeepGroups(RebuildResultList(store, kNoLineLimit), groups);
    view.folderCount = CountFolders(store);
    ListViewSpacer(list);
    SortByGroup(list);
    view.folderFileCounts = RenumberResultList(list);
    const size_t rows = list.size();
    results.ReplaceList(std::move(list));
    const int state = options.Int(Opt::LISTORIGMO);
    if (state == 0 || state == 1) options.SetInt(Opt::LISTORIGMO, state + 2);
    return {CommandOutcome::Done, "After grouping from original search results - " + std::to_string(rows)};
}

CommandReport UngroupResults(SearchResults& results, ResultViewState& view, Options& options,
                             SearchObserver* observer) {
    const size_t rows = RebuildAndDefaultSort(results, view, kNoLineLimit, observer);
    const int state = options.Int(Opt::LISTORIGMO);
    if (state == 2 || state == 3) options.SetInt(Opt::LISTORIGMO, state - 2);
    for (std::string& type : view.includeTypes) view.excludeTypes.push_back(std::move(type));
    view.includeTypes.clear();
    std::sort(view.excludeTypes.begin(), view.excludeTypes.end());
    view.excludeTypes.erase(std::unique(view.excludeTypes.begin(), view.excludeTypes.end()), view.excludeTypes.end());
    return {CommandOutcome::Done, "Restore original search results - " + std::to_string(rows)};
}

CommandReport ModifyLinesPerFile(SearchResults& results, ResultViewState& view, Options& options, int linesPerFile,
                                 SearchObserver* observer) {
    options.linesWithHitsMode = 2;
    options.linesWithHitsNote = "(after search)";
    // A display limit must not make a found file vanish from the list.
    const int limit = std::max(1, linesPerFile);
    const size_t rows = RebuildAndDefaultSort(results, view, limit, observer);
    return {CommandOutcome::Done, "After modified line numbers : " + std::to_string(rows)};
}

int CheckLinesPerFileEdit(int value, const Options& options, UserMessages& messages) {
    const int limit = options.Int(Opt::ARESLINENU);
    if (value <= limit) return value;
    messages.Show(WarningMessage("Warning !    Msg no: 0117.",
                                 "Maximum number to enter is : " + std::to_string(limit) + "."));
    return limit;
}

std::vector<std::string> TypesFromText(std::string_view text) {
    std::vector<std::string> types;
    std::string current;
    auto flush = [&] {
        if (!current.empty() && std::find(types.begin(), types.end(), current) == types.end())
            types.push_back(current);
        current.clear();
    };
    for (char c : text) {
        if (c == ' ' || c == ',' || c == ';' || c == '\t')
            flush();
        else
            current.push_back(AsciiLower(c));
    }
    flush();
    return types;
}

}  // namespace qf
