#pragma once
// The application home: where default.SET, default.TRMS, default.txt and Temp/ live.

#include <string>

namespace qf {

// `override` when not empty, else $QUILLFIND_HOME, else $XDG_DATA_HOME/quillfind,
// else ~/.local/share/quillfind. Made absolute, no trailing separator.
std::string ResolveAppHome(const std::string& override = {});

// Resolves and creates the home; false when it cannot be created.
bool PrepareAppHome(std::string& home, const std::string& override = {});

}  // namespace qf
