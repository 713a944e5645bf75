#pragma once
// When a term counts as found in a line: the comparison form, the plain
// substring search, and the whole/part rule with its delimiters.

#include <array>
#include <string>
#include <string_view>

#include "results/hit_types.h"
#include "settings/options.h"

namespace qf {

enum class WholePart { Both, WholeOnly, PartOnly, None };

// The matching options of a search, prepared once: case, whole/part choice and
// a table of delimiter characters.
struct TermMatcher {
    bool caseSensitive = false;
    WholePart wholePart = WholePart::Both;
    std::array<bool, 256> delimiter{};

    static TermMatcher FromOptions(const Options& options);

    // The text lowercased unless the search is case sensitive.
    std::string ComparisonForm(std::string_view text) const;
    void ToComparisonForm(std::string& text) const;
};

// Position of the first occurrence of term at or after start, or -1.
long FindTerm(std::string_view line, std::string_view term, size_t start);

bool IsDelimiter(const TermMatcher& matcher, char c);
bool IsWholeOccurrence(const TermMatcher& matcher, std::string_view line, size_t pos, size_t length);
bool AcceptHit(const TermMatcher& matcher, std::string_view line, size_t pos, size_t length);

// Every accepted, non-overlapping occurrence of term in the comparison form
// of a line, ascending. The search goes on after each occurrence, accepted or not.
DEQUE_POSITIONS_IN_LINE CollectPositions(const TermMatcher& matcher, std::string_view line, std::string_view term);

}  // namespace qf
