#pragma once
// Splitting a query text into terms and exact phrases.

#include <string>
#include <string_view>
#include <vector>

#include "platform/user_messages.h"
#include "settings/search_start.h"

namespace qf {

// Words outside phrase marks and phrases between pairs of marks, in order of
// appearance. Returns 0 after message 0073 when the marks do not pair up.
int ParseQueryTerms(std::string_view text, std::string_view mark, std::vector<std::string>& terms,
                    UserMessages& messages);

// Appends the maximal runs of non-white-space characters of text.
void SplitWords(std::string_view text, std::vector<std::string>& words);

// The query checks the search-start validation uses.
QueryChecks DefaultQueryChecks();

}  // namespace qf
