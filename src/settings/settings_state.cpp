#include "settings/settings_state.h"

namespace qf {

void SettingsState::TakeSnapshot() {
    snapshots.clear();
    snapshots.push_back({options, lastStandardQuery, lastBooleanQuery, searchTerms});
}

_Multi_Settings_Struct SettingsState::ReadSnapshot() const {
    if (snapshots.empty()) return {};
    return snapshots.front();
}

}  // namespace qf
