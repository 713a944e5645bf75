#pragma once
// The rules that keep the main window's controls consistent with the search
// mode and the query kind, and the options they read and write.

#include "settings/options.h"
#include "shell/main_controls.h"

namespace qf::shell {

enum class QueryKind { Standard, Boolean, MicroBoolean };

// "By file name" (102): no query; the query controls are unchecked and disabled.
void ApplyByFileName(const MainControls& c, Options& o);
// "Query text in: " (103): file content, standard query.
void ApplyQueryTextIn(const MainControls& c, Options& o);
// A target check box (104 to 107). True when it fell back to "By file name".
bool ApplyTargetClicked(const MainControls& c, Options& o);
// The query-kind radios (123, 127, 129).
void ApplyQueryKind(const MainControls& c, Options& o, QueryKind kind);

// While a search runs only Stop and the result tools stay usable.
void DisableForSearch(const MainControls& c);
// The end of a search: controls back from the mode options.
void RestoreAfterSearch(const MainControls& c, const Options& o);
// After settings were loaded: check states, visibility and enabling from the options.
void ShowOptionsInControls(const MainControls& c, const Options& o);

// The mode, query-kind and click options and both query texts from the controls.
void StoreControlsInOptions(const MainControls& c, Options& o);

}  // namespace qf::shell
