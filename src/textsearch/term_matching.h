#pragma once
// When a term counts as found in a line: the comparison form, the plain
// substring search, and the whole/part rule with its delimiters.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "results/hit_types.h"
#include "settings/options.h"

namespace qf {

enum class WholePart { Both, WholeOnly, PartOnly, None };

// The matching options of a search, prepared once: case, whole/part choice and
// the delimiter characters. Text is UTF-8; a byte that begins no sequence is
// taken as its Windows-1252 character.
struct TermMatcher {
    bool caseSensitive = false;
    WholePart wholePart = WholePart::Both;
    std::array<bool, 128> delimiter{};     // the ASCII characters
    bool everyCharacterDelimits = false;   // no delimiter choice: every character is one
    std::vector<char32_t> otherDelimiters; // the others, sorted (folded when from the list)
    bool foldOtherDelimiters = false;      // look the folded character up among them

    static TermMatcher FromOptions(const Options& options);

    // The text folded (Unicode simple case folding) unless the search is case
    // sensitive. Folding keeps the number of characters, not always the bytes.
    std::string ComparisonForm(std::string_view text) const;
};

// Position of the first occurrence of term at or after start, or -1.
long FindTerm(std::string_view line, std::string_view term, size_t start);

bool IsDelimiter(const TermMatcher& matcher, char32_t c);
// Whether the occurrence of `length` bytes at byte pos is a whole word: the
// characters before and after it (and, after a number, the one after its
// point or comma) are delimiters.
bool IsWholeOccurrence(const TermMatcher& matcher, std::string_view line, size_t pos, size_t length);
bool AcceptHit(const TermMatcher& matcher, std::string_view line, size_t pos, size_t length);

// Every accepted, non-overlapping occurrence of term in the comparison form
// of a line, ascending byte offsets. The search goes on after each
// occurrence, accepted or not.
DEQUE_POSITIONS_IN_LINE CollectPositions(const TermMatcher& matcher, std::string_view line, std::string_view term);

// Turns byte offsets into `text` into character offsets, which are what a
// line's hits are kept as: the same in the folded and the stored line.
void ToCharacterPositions(MAP_TERM_POSITIONS& terms, std::string_view text);

// The same for hits with lengths of their own (bytes beside each position):
// both become characters. A hit that runs past the text's end is cut there.
void ToCharacterSpans(MAP_TERM_POSITIONS& terms, MAP_TERM_LENGTHS& lengths, std::string_view text);

}  // namespace qf
