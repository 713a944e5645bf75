#pragma once
// Turns the command line's options into settings: the settings file first,
// then each --set in order, then the dedicated options.

#include "cli/cli_options.h"
#include "platform/user_messages.h"
#include "settings/options.h"

namespace qf::cli {

// False when something was refused (reported on stderr or through messages).
bool ApplyCommandLine(const CliOptions& cli, Options& options, UserMessages& messages);

// A folder as the search compares it: absolute, normalised, no trailing separator.
std::string FolderArgument(const std::string& folder);

}  // namespace qf::cli
