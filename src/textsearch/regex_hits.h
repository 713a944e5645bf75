#pragma once
// The hits of terms that are regular expressions: a hit is where a match
// starts, and the whole/part rule looks at the characters around the match.

#include <cstdint>
#include <string_view>
#include <vector>

#include "results/hit_types.h"
#include "textsearch/comment_rule.h"
#include "textsearch/query_context.h"
#include "textsearch/regex_terms.h"

namespace qf {

// Accepted, non-overlapping matches of term `entry` in text (comparison
// form) from byte `from`, as byte offsets appended to out. Matches that start
// at or after `before` are left alone. The search goes on after each match
// (after one character when it is empty). Limit: the line is given up.
// next, when given: where the search would go on in text.
RegexFind CollectMatches(const QueryContext& query, size_t entry, std::string_view text, RegexMatchData& scratch,
                         std::vector<int32_t>& out, size_t from = 0, size_t before = SIZE_MAX,
                         bool notStart = false, bool notEnd = false, size_t* next = nullptr);

// Every term's accepted hits in a whole line, keyed by the term's comparison
// form, comment rule applied. false: a pattern needed more work than allowed
// and the line is given up (terms is then empty).
bool CollectRegexHits(const QueryContext& query, const CommentRule& comments, RegexMatchData& scratch,
                      std::string_view folded, MAP_TERM_POSITIONS& terms);

// The terms found in a name (comparison form): a limit finds nothing.
void CollectRegexNameHits(const QueryContext& query, std::string_view folded, MAP_TERM_POSITIONS& terms);

// What the content scan may skip lines for: the literal each pattern
// requires. Empty when some pattern requires none (then no line is skipped).
std::vector<std::string> RegexSkipLiterals(const QueryContext& query);

}  // namespace qf
