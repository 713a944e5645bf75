#include "textsearch/query_checks.h"

#include "textsearch/boolean_syntax.h"
#include "textsearch/query_terms.h"

namespace qf {

QueryChecks FullQueryChecks(BooleanQuery& out, const Options& options) {
    QueryChecks checks = DefaultQueryChecks();
    checks.boolean = [&out, &options](const std::string& text, std::vector<std::string>& terms,
                                      UserMessages& messages) {
        return CheckBooleanQuery(text, options.Text(Opt::SEPARATORH), out, terms, messages);
    };
    return checks;
}

}  // namespace qf
