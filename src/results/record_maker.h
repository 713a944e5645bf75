#pragma once
// The sink of a search: turns a found file or name into result records and
// enters the file into the per-file store.

#include <cstddef>

#include "results/hit_types.h"
#include "results/search_results.h"
#include "results/selected_file.h"

namespace qf {

struct MadeRecords {
    size_t firstRow = 0;
    size_t count = 0;
};

// Kinds 1, 2, 3, 10: one record per hit line in ascending line order; kinds
// 4, 6, 7, 8, 9, 11: one whole-file record; kind 5: none. The file goes into
// the store with its lines right after its records (lines are moved there:
// a caller done with them hands them over).
MadeRecords MakeRecords(SearchResults& results, const tagSelectedFileFolderStruct& entry, int kind,
                        MAP_LINES_WITH_HITS lines);

}  // namespace qf
