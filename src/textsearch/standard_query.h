#pragma once
// The standard text query: the line order rule and the name rule.

#include <string_view>

#include "results/hit_types.h"
#include "textsearch/query_context.h"

namespace qf {

// The given-order test over a line's term map (see the text options: "In given order").
int LineOrderHolds(const std::vector<std::string>& foldedTerms, const MAP_TERM_POSITIONS& line, bool givenOrder);

// Matches a folder name (kind 1), a file name without extension (kind 2) or an
// extension (kind 10) against the query. Returns the result kind (the negated
// kinds 9, 8, 11 for a negated result) or 0 when the name is no result; the
// accepted positions go to `positions`.
int MatchName(const QueryContext& query, std::string_view name, int kind, MAP_TERM_POSITIONS& positions);

}  // namespace qf
