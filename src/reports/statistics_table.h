#pragma once
// The statistics as text: the report's summary table and the window's other
// fields as lines for the command line.

#include <string>
#include <vector>

#include "reports/report_table.h"
#include "results/run_counters.h"
#include "results/search_statistics.h"

namespace qf {

// Nine columns by six rows: two header rows, then "File name " (DOS mode),
// "File name " (Text mode), "Folder name ", "File content ".
TEXT_TABLE StatisticsTableCells(const SearchStatistics& stats);

// The table padded (columns 1 and 2 left, the others right), cells joined by
// three spaces: row 1, row 2, a "*" line as long as row 2, rows 3 to 6, the "*" line.
std::vector<std::string> StatisticsTableLines(const SearchStatistics& stats);

// Word, PDF and ZIP processing, the file-type rows with "Sum.", the times and
// the status; the Office line after the PDF line when `officeDocs`,
// then the lines of StatisticsLimitLines.
std::vector<std::string> StatisticsFieldLines(const SearchStatistics& stats, const RunCounters& counters,
                                              bool officeDocs = false);

// "Office docs : Found  n  Converted  n  Unconverted  n".
std::string OfficeStatisticsLine(const RunCounters& counters);

// "Unreadable : Files  n  Folders  n" and "Line/File limit reached : Files  n".
std::vector<std::string> StatisticsLimitLines(const SearchStatistics& stats);

}  // namespace qf
