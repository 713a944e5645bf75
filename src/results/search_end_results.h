#pragma once
// What a search run does with its results as it ends: the whole list rebuilt
// from the store in the default order, and the grouping lists refilled.

#include "results/result_view_state.h"
#include "results/search_observer.h"
#include "results/search_results.h"

namespace qf {

// Call on the worker at the run's end, before the window is refreshed.
// Returns the number of rows. The run's reading threads, now idle, may help
// make the rows (`threads` in all).
size_t FinishSearchResults(SearchResults& results, ResultViewState& view, SearchObserver* observer,
                           int threads = 1);

}  // namespace qf
