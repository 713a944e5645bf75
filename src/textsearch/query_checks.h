#pragma once
// The query checks of the search-start validation, Boolean query included.

#include "settings/options.h"
#include "settings/search_start.h"
#include "textsearch/boolean_query.h"
#include "textsearch/regex_terms.h"

namespace qf {

// The standard split and the Boolean check; a Boolean query that passes is
// stored into out. options supplies the phrase mark and must outlive the checks.
// A term that is no regular expression is refused with message 1040 and
// kept in fault.
QueryChecks FullQueryChecks(BooleanQuery& out, const Options& options, RegexFault& fault);

// Message 1040: a term that does not compile as a regular expression.
Message BadPatternMessage(const RegexFault& fault);

}  // namespace qf
