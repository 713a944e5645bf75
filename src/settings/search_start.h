#pragma once
// The checks made when the Search command is given.

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "platform/user_messages.h"
#include "settings/settings_state.h"

namespace qf {

// The query splitters the validation calls; the text search layer provides
// them. Each returns 1 with the terms, or 0 after reporting the fault itself.
struct QueryChecks {
    std::function<int(const std::string& text, const std::string& mark, std::vector<std::string>& terms,
                      UserMessages& messages)>
        standard;
    std::function<int(const std::string& text, std::vector<std::string>& terms, UserMessages& messages)> boolean;
    // With REGEXTERMS: every term of the list must be a regular expression.
    std::function<int(const std::vector<std::string>& terms, UserMessages& messages)> patterns;
};

// Expects the front end to have refreshed the mode options and the two query
// texts (FINDTEXTS1, FINDRICHED) from its controls. Returns 1 when the search
// may start, 0 when a message has been shown.
int ValidateSearchStart(SettingsState& state, const QueryChecks& checks, UserMessages& messages,
                        std::atomic<int>& bStopRequest);

}  // namespace qf
