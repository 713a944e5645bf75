#include "textsearch/query_context.h"

namespace qf {

QueryContext MakeQueryContext(const Options& options, const std::vector<std::string>& terms,
                              const BooleanQuery* boolean) {
    QueryContext q;
    q.options = &options;
    q.terms = terms;
    q.matcher = TermMatcher::FromOptions(options);
    q.foldedTerms.reserve(terms.size());
    for (const std::string& t : terms) q.foldedTerms.push_back(q.matcher.ComparisonForm(t));
    q.boolean = boolean;
    // The start of the search has refused a term that is no pattern.
    q.regexMode = options.On(Opt::REGEXTERMS);
    if (q.regexMode) q.regex = RegexTerms::Compile(terms, q.matcher.caseSensitive, true, nullptr);
    return q;
}

}  // namespace qf
