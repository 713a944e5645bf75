#pragma once
// Printing the result list: a table for people, TSV, CSV, and JSON Lines
// with the record's own field names.

#include <cstdio>
#include <string>

#include "results/search_results.h"

namespace qf::cli {

enum class OutputFormat { Table, Tsv, Csv, Json };

// The table and TSV show control characters of names and lines escaped.
void PrintTable(std::FILE* out, const RESULT_LIST& list);
// TSV and CSV rows are formatted by up to `threads` threads, in the same order.
void PrintTsv(std::FILE* out, const RESULT_LIST& list, int threads = 1);
void PrintCsv(std::FILE* out, const RESULT_LIST& list, int threads = 1);
// One object per record, plus "hits": each term's positions in that line,
// from the per-file store.
void PrintJsonLines(std::FILE* out, const RESULT_LIST& list, const FileResultsStore& store);

void PrintResults(std::FILE* out, OutputFormat format, const SearchResults& results, int threads = 1);

}  // namespace qf::cli
