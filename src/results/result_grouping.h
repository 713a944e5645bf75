#pragma once
// Grouping: narrowing the result list to chosen file types in the user's
// order, undoing it, and the limit of hit lines per file ("Modify ").

#include <string>
#include <string_view>
#include <vector>

#include "platform/user_messages.h"
#include "results/result_view_state.h"
#include "results/search_observer.h"
#include "results/search_results.h"
#include "settings/options.h"

namespace qf {

// The distinct lower-case extensions of a list, ascending, without padding.
std::vector<std::string> DistinctTypes(const RESULT_LIST& list);

// Empties Include and fills Exclude from the live list. False when the list
// is empty: the tool window hides instead.
bool FillTypeLists(const SearchResults& results, ResultViewState& view);

// Keeps the records whose type is in view.includeTypes, ordered by group,
// folder, file and line. Messages 0135, 0109, 0089.
CommandReport GroupResults(SearchResults& results, ResultViewState& view, Options& options, UserMessages& messages);

// Brings back every record in the default order and moves Include to Exclude.
CommandReport UngroupResults(SearchResults& results, ResultViewState& view, Options& options,
                             SearchObserver* observer);

// Rebuilds with at most linesPerFile hit lines per file and the default order.
CommandReport ModifyLinesPerFile(SearchResults& results, ResultViewState& view, Options& options, int linesPerFile,
                                 SearchObserver* observer);

// "From the same file:" after a search: a value above ARESLINENU shows 0117
// and gives ARESLINENU back; otherwise the value itself.
int CheckLinesPerFileEdit(int value, const Options& options, UserMessages& messages);

// "doc txt", "doc,TXT" and the like as lower-case types in the given order.
std::vector<std::string> TypesFromText(std::string_view text);

}  // namespace qf
