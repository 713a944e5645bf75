#pragma once
// The standard text query: the line order rule and the name rule.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "results/hit_types.h"
#include "textsearch/query_context.h"

namespace qf {

// The given-order test, fed with the hits of each entry of the term list in
// ascending order: each entry takes its first hit at or after the hit taken
// for the entry before. The hits of a line may come in rounds (a line read in
// pieces), each round's after every earlier round's, and entries in list
// order within a round.
class GivenOrderChain {
public:
    explicit GivenOrderChain(size_t entries) : entries_(entries) {}

    // True when the hit was taken for the entry.
    bool Offer(size_t entry, int64_t position) {
        if (entry != next_ || position < taken_) return false;
        taken_ = position;
        ++next_;
        return true;
    }
    bool Passed(size_t entry) const { return next_ > entry; }
    bool Complete() const { return next_ == entries_; }

private:
    size_t entries_;
    size_t next_ = 0;     // the entry waiting for its hit
    int64_t taken_ = -1;  // the hit taken for the entry before
};

// The all-in-one-line rule over a line's term map: every term, and with
// givenOrder their hits in list order (see the text options: "In given order").
int LineOrderHolds(const std::vector<std::string>& foldedTerms, const MAP_TERM_POSITIONS& line, bool givenOrder);

// Matches a folder name (kind 1), a file name without extension (kind 2) or an
// extension (kind 10) against the query. Returns the result kind (the negated
// kinds 9, 8, 11 for a negated result) or 0 when the name is no result; the
// accepted positions go to `positions`, and when the terms are patterns the
// length of each hit to `lengths`.
int MatchName(const QueryContext& query, std::string_view name, int kind, MAP_TERM_POSITIONS& positions,
              MAP_TERM_LENGTHS* lengths = nullptr);

}  // namespace qf
