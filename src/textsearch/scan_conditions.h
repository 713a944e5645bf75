#pragma once
// Where the scan of a file starts and stops: by line number or by a term.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "results/hit_types.h"
#include "settings/options.h"
#include "textsearch/term_matching.h"

namespace qf {

// First and last accepted hit of one term in a line: what the start and stop
// terms are weighed against. Byte offsets in the comparison form, which for a
// line read in pieces may lie past 2 GiB (decoded text can be longer than
// the file).
struct TermSpan {
    int64_t first = -1;
    int64_t last = -1;
};
using TERM_SPANS = std::map<std::string, TermSpan>;

// The spans of the terms that have hits in the map.
TERM_SPANS SpansOf(const MAP_TERM_POSITIONS& terms);

// The term of a start or stop field: the trimmed text, or the phrase inside
// its marks when the field holds one phrase. Blank-only gives "".
std::string ConditionTerm(std::string_view field, std::string_view mark);

struct StartCondition {
    bool byLine = false;       // STARTCHECK with STARTLNRAD
    bool byTerm = false;       // STARTCHECK with STARTTRADO
    uint32_t lineNumber = 1;   // STARTLNUMB, at least 1
    std::string term;          // STARTETRMS in comparison form

    static StartCondition FromOptions(const Options& options, const TermMatcher& matcher);
};

struct ConditionToStop {
    bool bSelected = false;      // CLINENUMBR
    bool bByLineNumber = false;  // LINENRADIO
    bool bByTerm = false;        // TERMSRADIO, and only with a stop term
    uint32_t nStopLine = 0;      // EDITLNUMBR
    std::string sStopTerm;       // EDITSTERMS in comparison form
    int64_t nStopTermPos = -1;
    bool bLineReached = false;
    bool bTermFound = false;

    static ConditionToStop FromOptions(const Options& options, const TermMatcher& matcher);

    bool ByLine() const { return bSelected && bByLineNumber; }
    bool ByTerm() const { return bSelected && bByTerm; }

    void GiveLineNumber(uint32_t lineNumber);
    void GiveLine(std::string_view foldedLine);
    // The same for a line read in pieces: where the stop term first is, or -1.
    void GiveStopTermPosition(int64_t position);

    // Whether a qualifying line that holds the stop term is still recorded:
    // allInOne: no term starts after the stop term; else one starts at or before it.
    bool HitsBeforeStopTerm(const TERM_SPANS& terms, bool allInOne) const;
};

// Whether the start line's hits lie before the start term, so that the line
// is dropped at the end: allInOne: some term's last hit is before it; else all are.
bool HitsBeforeStartTerm(const TERM_SPANS& terms, int64_t startTermPos, bool allInOne);

}  // namespace qf
