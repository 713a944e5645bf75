#pragma once
// Renumbering after a sort or a grouping: row numbers and the New marks
// follow the new order; folder and file numbers keep their search values.

#include "results/result_view_state.h"
#include "results/search_results.h"

namespace qf {

// Returns, per folder key, how many different files of that folder the list
// holds; the record view shows it beside the file number.
// A long list is marked by up to `threads` threads.
FOLDER_FILE_COUNTS RenumberResultList(RESULT_LIST& list, int threads = 1);

}  // namespace qf
