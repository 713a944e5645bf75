#pragma once
// What the command line does with a finished search besides printing the list.

#include <cstdio>

#include "cli/cli_options.h"
#include "engine/session.h"
#include "platform/user_messages.h"

namespace qf::cli {

// The list as the options ask for it, in the window's order of commands:
// lines per file, grouping, then sorting. False when one was refused.
bool ArrangeResults(const CliOptions& cli, Session& session, UserMessages& messages);

// After the list: preview, record view, report, export, statistics, smart
// copy and process logs, each only when asked for. False when one was refused.
bool WriteAfterSearch(const CliOptions& cli, Session& session, UserMessages& messages, std::FILE* out);

// The screen description of the settings and its summary lines.
void WriteDescription(const Session& session, std::FILE* out);

}  // namespace qf::cli
