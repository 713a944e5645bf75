#pragma once
// The line Boolean query: the expression is judged for each line on its own.

#include "results/hit_types.h"
#include "textsearch/boolean_query.h"

namespace qf {

// The line rule: 1 when the expression holds over the terms found in the line.
int LineMatchesMicroBoolean(const BooleanQuery& query, const MAP_TERM_POSITIONS& line, bool caseSensitive);

// The file rule: a result when at least one line was recorded.
inline bool MicroBooleanFileFound(const MAP_LINES_WITH_HITS& lines) { return !lines.empty(); }

}  // namespace qf
