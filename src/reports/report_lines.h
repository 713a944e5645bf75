#pragma once
// The text of a report and of an export, line by line (no line ends).

#include <string>
#include <vector>

#include "results/run_counters.h"
#include "results/search_results.h"
#include "results/search_statistics.h"
#include "settings/settings_state.h"

namespace qf {

struct ReportRequest {
    const Options& options;                  // current: sections, columns, list state, times
    const _Multi_Settings_Struct& snapshot;  // the last search start, for the search logic
    const SearchStatistics& statistics;
    RESULT_LIST results;  // a copy of the live list in its current order
    std::vector<std::string> copyDestinations;
    SYSTEMTIME now;  // the list creation time, local
    // The run's counters: the statistics section adds the Office line when
    // the search read Office documents.
    const RunCounters* counters = nullptr;
};

// "Report is generated from ORIGINAL results." ... by LISTORIGMO.
std::string ListStateText(int32_t state);

// Header, then each checked section with the fixed separators between them.
std::vector<std::string> ReportLines(const ReportRequest& request);

// The result lines section: header, "-" line, "  ", one line per record, the
// "-" line and " Total number of lines saved : " with the count.
std::vector<std::string> ResultLinesSection(const RESULT_LIST& results, const ColumnList& columns);

// One line per record: every padded cell followed by " , ", no header.
std::vector<std::string> ExportLines(const RESULT_LIST& results, const ColumnList& columns);

}  // namespace qf
