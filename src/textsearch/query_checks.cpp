#include "textsearch/query_checks.h"

#include "textsearch/boolean_syntax.h"
#include "textsearch/query_terms.h"

namespace qf {

Message BadPatternMessage(const RegexFault& fault) {
    return WarningMessage("Warning !    Msg no: 1040.",
                          "The term is not a valid regular expression : " + fault.term + "\n" + fault.error +
                              " (at offset " + std::to_string(fault.offset) + ")\n\n" +
                              "Action : Correct the term, or uncheck \"Terms are regular expressions\".");
}

QueryChecks FullQueryChecks(BooleanQuery& out, const Options& options, RegexFault& fault) {
    QueryChecks checks = DefaultQueryChecks();
    checks.boolean = [&out, &options](const std::string& text, std::vector<std::string>& terms,
                                      UserMessages& messages) {
        return CheckBooleanQuery(text, options.Text(Opt::SEPARATORH), out, terms, messages);
    };
    checks.patterns = [&fault, &options](const std::vector<std::string>& terms, UserMessages& messages) {
        fault = RegexFault{};
        if (RegexTerms::Compile(terms, options.On(Opt::CASESENSIT), false, &fault)) return 1;
        messages.Show(BadPatternMessage(fault));
        return 0;
    };
    return checks;
}

}  // namespace qf
