#include "textsearch/standard_query.h"

#include "platform/case_fold.h"
#include "results/result_kind.h"
#include "textsearch/boolean_evaluation.h"
#include "textsearch/regex_hits.h"

namespace qf {
namespace {

int NegatedKind(int kind) {
    switch (kind) {
        case kKindFolderName: return kKindNotFolderName;
        case kKindFileName: return kKindNotFileName;
        case kKindExtension: return kKindNotExtension;
        default: return kind;
    }
}

MAP_TERM_POSITIONS NameTerms(const QueryContext& query, std::string_view name, MAP_TERM_LENGTHS& lengths) {
    const std::string folded = query.matcher.ComparisonForm(name);
    MAP_TERM_POSITIONS terms;
    if (query.regexMode) {
        CollectRegexNameHits(query, folded, terms, lengths);
        ToCharacterSpans(terms, lengths, folded);
        return terms;
    }
    for (const std::string& term : query.foldedTerms) {
        DEQUE_POSITIONS_IN_LINE positions = CollectPositions(query.matcher, folded, term);
        if (!positions.empty()) terms[term] = std::move(positions);
    }
    ToCharacterPositions(terms, folded);
    return terms;
}

// Returns 1 for a result, -1 for a negated result, 0 for none.
int StandardNameRule(const QueryContext& query, const MAP_TERM_POSITIONS& terms) {
    const Options& o = *query.options;
    if (o.On(Opt::NOTCONTAIN)) return terms.empty() ? -1 : 0;
    if (o.On(Opt::CKANYWORDS)) return terms.empty() ? 0 : 1;
    if (terms.size() != query.foldedTerms.size()) return 0;
    if (o.On(Opt::ALLINONECH) && !LineOrderHolds(query.foldedTerms, terms, o.On(Opt::INGIVORDER))) return 0;
    return 1;
}

int BooleanNameRule(const QueryContext& query, const MAP_TERM_POSITIONS& terms) {
    if (!query.boolean) return 0;
    if (!EvaluateTerms(*query.boolean, terms, query.matcher.caseSensitive)) return 0;
    return FirstIsNot(*query.boolean) ? -1 : 1;
}

}  // namespace

int LineOrderHolds(const std::vector<std::string>& foldedTerms, const MAP_TERM_POSITIONS& line, bool givenOrder) {
    if (line.size() != foldedTerms.size()) return 0;
    if (!givenOrder || foldedTerms.empty()) return 1;
    GivenOrderChain chain(foldedTerms.size());
    for (size_t i = 0; i < foldedTerms.size(); ++i) {
        const auto it = line.find(foldedTerms[i]);
        if (it == line.end()) return 0;
        for (int32_t p : it->second)
            if (chain.Offer(i, p)) break;
        if (!chain.Passed(i)) return 0;
    }
    return 1;
}

int MatchName(const QueryContext& query, std::string_view name, int kind, MAP_TERM_POSITIONS& positions,
              MAP_TERM_LENGTHS* lengths) {
    positions.clear();
    if (lengths) lengths->clear();
    if (name.empty() || EqualsIgnoreCase(name, "noext") || !query.options) return 0;
    MAP_TERM_LENGTHS found;
    MAP_TERM_POSITIONS terms = NameTerms(query, name, found);
    const Options& o = *query.options;
    const int verdict = (o.On(Opt::BOOLRADIO1) || o.On(Opt::MICROBOOLR)) ? BooleanNameRule(query, terms)
                                                                         : StandardNameRule(query, terms);
    if (verdict == 0) return 0;
    positions = std::move(terms);
    if (lengths) *lengths = std::move(found);
    return verdict < 0 ? NegatedKind(kind) : kind;
}

}  // namespace qf
