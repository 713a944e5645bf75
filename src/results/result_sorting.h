#pragma once
// Sorting the result list: the rebuild with the default order that every
// search ends with, and the Sort command of "Managing  results".

#include <functional>
#include <string>

#include "platform/user_messages.h"
#include "results/result_sort_keys.h"
#include "results/result_view_state.h"
#include "results/search_observer.h"
#include "results/search_results.h"
#include "settings/options.h"

namespace qf {

// Sorts a padded list by the key; false (list untouched) for an unknown key.
// A long list's keys are made by up to `threads` threads (at most kMostRebuildThreads).
bool SortResultList(RESULT_LIST& list, int keyIndex, bool descending, int threads = 1);

// Sorts by the lower-case key texts that appendKey writes; equal keys keep
// their order. appendKey may be called on several threads at once.
void SortListByKey(RESULT_LIST& list, const std::function<void(const tagPrivStruct&, std::string&)>& appendKey,
                   bool descending, int threads = 1);

// Rebuilds the list from the store with at most maxLinesPerFile lines per
// file (kNoLineLimit: all), pads, sorts by folder, file and line and
// renumbers. Shows "Sorting ..." through the observer when one is given.
// Returns the number of rows. `threads` may make the records.
size_t RebuildAndDefaultSort(SearchResults& results, ResultViewState& view, int maxLinesPerFile,
                             SearchObserver* observer, int threads = 1);

struct SortRequest {
    int keyIndex = kDefaultSortKey;  // index of "Sort by: "
    bool descending = false;
};

// The Sort command: stores the choice in the options, rebuilds all records,
// sorts by the chosen key and order, renumbers and updates LISTORIGMO.
// Refused with 0244 when the search found nothing.
CommandOutcome SortCommand(SearchResults& results, ResultViewState& view, Options& options, SortRequest request,
                           UserMessages& messages, SearchObserver* observer);

}  // namespace qf
