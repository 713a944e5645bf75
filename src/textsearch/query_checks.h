#pragma once
// The query checks of the search-start validation, Boolean query included.

#include "settings/options.h"
#include "settings/search_start.h"
#include "textsearch/boolean_query.h"

namespace qf {

// The standard split and the Boolean check; a Boolean query that passes is
// stored into out. options supplies the phrase mark and must outlive the checks.
QueryChecks FullQueryChecks(BooleanQuery& out, const Options& options);

}  // namespace qf
