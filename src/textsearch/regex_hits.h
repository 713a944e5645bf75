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

// Where matches start and how long they are, in bytes, one beside the other.
struct RegexHits {
    std::vector<int32_t> starts;
    std::vector<int32_t> lengths;
    void clear() {
        starts.clear();
        lengths.clear();
    }
};

// Accepted, non-overlapping matches of term `entry` in text (comparison
// form) from byte `from`, appended to out. Matches that start
// at or after `before` are left alone. The search goes on after each match
// (after one character when it is empty). Limit: the line is given up.
// next, when given: where the search would go on in text.
RegexFind CollectMatches(const QueryContext& query, size_t entry, std::string_view text, RegexMatchData& scratch,
                         RegexHits& out, size_t from = 0, size_t before = SIZE_MAX,
                         bool notStart = false, bool notEnd = false, size_t* next = nullptr);

// Every term's accepted hits in a whole line, keyed by the term's comparison
// form, comment rule applied, with the length of each (bytes, as the
// positions). false: a pattern needed more work than allowed and the line is
// given up (terms and lengths are then empty).
bool CollectRegexHits(const QueryContext& query, const CommentRule& comments, RegexMatchData& scratch,
                      std::string_view folded, MAP_TERM_POSITIONS& terms, MAP_TERM_LENGTHS& lengths);

// The terms found in a name (comparison form): a limit finds nothing.
void CollectRegexNameHits(const QueryContext& query, std::string_view folded, MAP_TERM_POSITIONS& terms,
                          MAP_TERM_LENGTHS& lengths);

// What the content scan may skip lines for: the literal each pattern
// requires. Empty when some pattern requires none (then no line is skipped).
std::vector<std::string> RegexSkipLiterals(const QueryContext& query);

}  // namespace qf
