#pragma once
// The live settings model with its snapshot and the search term list.

#include <deque>
#include <string>
#include <vector>

#include "settings/options.h"

namespace qf {

// A complete copy of the settings as a search was started; reports describe it.
struct _Multi_Settings_Struct {
    Options options;
    std::string lastStandardQuery;
    std::string lastBooleanQuery;
    std::vector<std::string> searchTerms;
};

struct SettingsState {
    Options options;
    std::string lastStandardQuery;
    std::string lastBooleanQuery;
    std::vector<std::string> searchTerms;        // ordered, duplicates kept
    std::deque<_Multi_Settings_Struct> snapshots;  // holds at most one

    // Replaces the snapshot with a copy of the current settings.
    void TakeSnapshot();
    // A copy of the stored snapshot (a default one when none was taken).
    _Multi_Settings_Struct ReadSnapshot() const;
};

}  // namespace qf
