#include "textsearch/scan_setup.h"

#include <string_view>

#include "platform/utf8_text.h"
#include "textsearch/long_line.h"
#include "textsearch/regex_hits.h"

namespace qf {
namespace {

bool IsAscii(std::string_view s) { return FirstNonAscii(s.data(), s.size()) == s.size(); }

// Whether everything the comparison form of a line is searched for is ASCII.
bool AllAscii(const std::vector<TermFinder>& terms, std::string_view stopTerm, std::string_view startTerm,
              const std::vector<std::string>& comments) {
    for (const TermFinder& term : terms)
        if (!IsAscii(term.Needle())) return false;
    for (const std::string& comment : comments)
        if (!IsAscii(comment)) return false;
    return IsAscii(stopTerm) && IsAscii(startTerm);
}

}  // namespace

std::shared_ptr<const ScanSetup> MakeScanSetup(const QueryContext& query) {
    auto setup = std::make_shared<ScanSetup>();
    const Options& options = *query.options;
    setup->mode = ModeOf(options);
    setup->allInOne = options.On(Opt::ALLINONECH);
    setup->givenOrder = options.On(Opt::INGIVORDER);
    setup->perFileLimit = options.Int(Opt::RESLINENUM);
    setup->comments = CommentRule::FromOptions(options);
    setup->start = StartCondition::FromOptions(options, query.matcher);
    setup->stop = ConditionToStop::FromOptions(options, query.matcher);
    for (const std::string& term : query.foldedTerms) setup->finders.emplace_back(term);
    setup->regex = query.regexMode;
    // A line Boolean query can make a line without any term a hit line.
    setup->canSkip = setup->mode != QueryMode::MicroBoolean;
    const std::string stopTerm = setup->stop.ByTerm() ? setup->stop.sStopTerm : std::string();
    const std::string startTerm = setup->start.byTerm ? setup->start.term : std::string();
    setup->overlap = LongLineScan::OverlapFor(query, setup->finders, setup->comments, stopTerm, startTerm);
    // Patterns are looked for through the literals they require, when each has one.
    std::vector<TermFinder> needles = setup->finders;
    if (setup->regex) {
        const std::vector<std::string> literals = RegexSkipLiterals(query);
        needles.clear();
        for (const std::string& literal : literals) needles.emplace_back(literal);
        setup->canSkip = setup->canSkip && !literals.empty();
    }
    setup->asciiNeedles = AllAscii(needles, setup->stop.sStopTerm, setup->start.term, setup->comments.strings);
    if (setup->stop.ByTerm()) needles.emplace_back(setup->stop.sStopTerm);
    setup->skipFinders = std::make_shared<const std::vector<TermFinder>>(std::move(needles));
    setup->startFinders = std::make_shared<const std::vector<TermFinder>>(1, TermFinder(setup->start.term));
    return setup;
}

}  // namespace qf
