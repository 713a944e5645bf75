#pragma once
// A TERM(S) rule on names: the terms of a rule text, and whether one of them
// occurs in a name under the search's case and whole/part settings.

#include <string>
#include <string_view>
#include <vector>

#include "platform/user_messages.h"
#include "textsearch/term_matching.h"

namespace qf {

struct TermRule {
    bool active = false;
    std::vector<std::string> foldedTerms;  // comparison form, never empty strings
};

// Splits the rule text like a query (phrase mark `mark`). The rule is active
// when `enabled` and the text yields at least one term. A text whose marks do
// not pair up is reported by the splitter and leaves the rule inactive.
TermRule MakeTermRule(bool enabled, std::string_view text, std::string_view mark, const TermMatcher& matcher,
                      UserMessages& messages);

// True when at least one term has an accepted occurrence in the name.
bool AnyTermOccurs(const TermRule& rule, const TermMatcher& matcher, std::string_view name);

// Include rule then exclude rule: true when the name takes part.
bool TermRulesPass(const TermRule& include, const TermRule& exclude, const TermMatcher& matcher,
                   std::string_view name);

}  // namespace qf
