#include "engine/term_rule.h"

#include "textsearch/query_terms.h"

namespace qf {

TermRule MakeTermRule(bool enabled, std::string_view text, std::string_view mark, const TermMatcher& matcher,
                      UserMessages& messages) {
    TermRule rule;
    if (!enabled) return rule;
    std::vector<std::string> terms;
    if (!ParseQueryTerms(text, mark, terms, messages)) return rule;
    for (const std::string& term : terms) {
        // An empty phrase would be found everywhere and never advance the search.
        if (!term.empty()) rule.foldedTerms.push_back(matcher.ComparisonForm(term));
    }
    rule.active = !rule.foldedTerms.empty();
    return rule;
}

bool AnyTermOccurs(const TermRule& rule, const TermMatcher& matcher, std::string_view name) {
    const std::string folded = matcher.ComparisonForm(name);
    for (const std::string& term : rule.foldedTerms)
        if (!CollectPositions(matcher, folded, term).empty()) return true;
    return false;
}

bool TermRulesPass(const TermRule& include, const TermRule& exclude, const TermMatcher& matcher,
                   std::string_view name) {
    if (include.active && !AnyTermOccurs(include, matcher, name)) return false;
    if (exclude.active && AnyTermOccurs(exclude, matcher, name)) return false;
    return true;
}

}  // namespace qf
