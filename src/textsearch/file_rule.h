#pragma once
// Whether a scanned file is a result, and of which kind, by the query mode.

#include "results/hit_types.h"
#include "textsearch/query_context.h"

namespace qf {

struct FileVerdict {
    bool found = false;
    int kind = 3;
};

enum class QueryMode { Standard, Boolean, MicroBoolean };

QueryMode ModeOf(const Options& options);

// The file rule over the hit lines the scan kept (its limits included).
FileVerdict ApplyFileRule(const QueryContext& query, const MAP_LINES_WITH_HITS& lines);

}  // namespace qf
