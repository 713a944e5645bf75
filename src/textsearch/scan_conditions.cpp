#include "textsearch/scan_conditions.h"

#include <algorithm>

namespace qf {
namespace {

std::string_view TrimBlanks(std::string_view s) {
    const char* blanks = " \t\r\n\v\f";
    const size_t first = s.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(blanks) - first + 1);
}

}  // namespace

TERM_SPANS SpansOf(const MAP_TERM_POSITIONS& terms) {
    TERM_SPANS spans;
    for (const auto& [term, positions] : terms)
        if (!positions.empty()) spans.emplace(term, TermSpan{positions.front(), positions.back()});
    return spans;
}

std::string ConditionTerm(std::string_view field, std::string_view mark) {
    std::string_view term = TrimBlanks(field);
    const size_t n = mark.size();
    // A phrase is searched without its marks: the line does not hold them.
    if (n > 0 && term.size() >= 2 * n && term.substr(0, n) == mark && term.substr(term.size() - n) == mark &&
        term.substr(n, term.size() - 2 * n).find(mark) == std::string_view::npos)
        term = TrimBlanks(term.substr(n, term.size() - 2 * n));
    return std::string(term);
}

StartCondition StartCondition::FromOptions(const Options& options, const TermMatcher& matcher) {
    StartCondition start;
    if (!options.On(Opt::STARTCHECK)) return start;
    start.byLine = options.On(Opt::STARTLNRAD);
    start.byTerm = !start.byLine && options.On(Opt::STARTTRADO);
    // Line 0 would make the first examined line a line that was never read.
    start.lineNumber = uint32_t(std::max<int32_t>(1, options.Int(Opt::STARTLNUMB)));
    start.term = matcher.ComparisonForm(ConditionTerm(options.Text(Opt::STARTETRMS), options.Text(Opt::SEPARATORH)));
    return start;
}

ConditionToStop ConditionToStop::FromOptions(const Options& options, const TermMatcher& matcher) {
    ConditionToStop stop;
    stop.bSelected = options.On(Opt::CLINENUMBR);
    stop.bByLineNumber = options.On(Opt::LINENRADIO);
    stop.nStopLine = uint32_t(std::max<int32_t>(0, options.Int(Opt::EDITLNUMBR)));
    stop.sStopTerm = matcher.ComparisonForm(ConditionTerm(options.Text(Opt::EDITSTERMS), options.Text(Opt::SEPARATORH)));
    stop.bByTerm = options.On(Opt::TERMSRADIO) && !stop.sStopTerm.empty();
    return stop;
}

void ConditionToStop::GiveLineNumber(uint32_t lineNumber) {
    if (ByLine()) bLineReached = lineNumber >= nStopLine;
}

void ConditionToStop::GiveLine(std::string_view foldedLine) {
    if (!ByTerm()) return;
    const size_t p = foldedLine.find(sStopTerm);
    GiveStopTermPosition(p == std::string_view::npos ? -1 : int64_t(p));
}

void ConditionToStop::GiveStopTermPosition(int64_t position) {
    if (!ByTerm()) return;
    nStopTermPos = position;
    bTermFound = nStopTermPos != -1;
}

bool ConditionToStop::HitsBeforeStopTerm(const TERM_SPANS& terms, bool allInOne) const {
    for (const auto& [term, span] : terms) {
        const bool after = span.first > nStopTermPos;
        if (allInOne && after) return false;
        if (!allInOne && !after) return true;
    }
    return allInOne;
}

bool HitsBeforeStartTerm(const TERM_SPANS& terms, int64_t startTermPos, bool allInOne) {
    for (const auto& [term, span] : terms) {
        const bool before = span.last < startTermPos;
        if (allInOne && before) return true;
        if (!allInOne && !before) return false;
    }
    return !allInOne;
}

}  // namespace qf
