#pragma once
// What a run needs to match its query, prepared once at the run's start.

#include <memory>
#include <string>
#include <vector>

#include "settings/options.h"
#include "textsearch/regex_terms.h"
#include "textsearch/term_matching.h"

namespace qf {

struct BooleanQuery;  // a checked Boolean query (boolean_syntax.h)

struct QueryContext {
    const Options* options = nullptr;
    std::vector<std::string> terms;        // the search term list as derived at search start
    std::vector<std::string> foldedTerms;  // the same in comparison form
    TermMatcher matcher;
    const BooleanQuery* boolean = nullptr; // set for Boolean and line Boolean queries
    // With REGEXTERMS: the terms compiled, one pattern per entry of `terms`.
    bool regexMode = false;
    std::shared_ptr<const RegexTerms> regex;  // null also when a term did not compile: nothing is found
};

QueryContext MakeQueryContext(const Options& options, const std::vector<std::string>& terms,
                              const BooleanQuery* boolean);

}  // namespace qf
