#pragma once
// Checking a Boolean query text: the syntax checks in order, each with its
// message, and on success the token list and the term list.

#include <string>
#include <string_view>
#include <vector>

#include "platform/user_messages.h"
#include "textsearch/boolean_query.h"

namespace qf {

// Returns 1 when the text passed: query holds the tokens and the normal form,
// terms every argument in token order. Returns 0 after the message of the
// first failing check; query.normalForm and query.fault then tell the editor
// what to show and mark, query.helpRequested whether the user wants the help.
int CheckBooleanQuery(std::string_view text, std::string_view mark, BooleanQuery& query,
                      std::vector<std::string>& terms, UserMessages& messages);

}  // namespace qf
