#include "results/search_end_results.h"

#include "results/result_grouping.h"
#include "results/result_rebuild.h"
#include "results/result_sorting.h"

namespace qf {

size_t FinishSearchResults(SearchResults& results, ResultViewState& view, SearchObserver* observer,
                           int threads) {
    const size_t rows = RebuildAndDefaultSort(results, view, kNoLineLimit, observer, threads);
    FillTypeLists(results, view);
    return rows;
}

}  // namespace qf
