#pragma once
// Opening a result file in the application the desktop associates with it.

#include <string>
#include <string_view>

#include "platform/user_messages.h"
#include "results/desktop_opener.h"
#include "settings/options.h"

namespace qf {

// Tries "play", "open" and "edit" in this order; when all fail, shows
// message 193 for the last value. Restores the file's times when RESTORETIM
// is 1. True when one verb succeeded.
bool OpenResult(const std::string& openPath, const Options& options, DesktopOpener& opener, UserMessages& messages);

// The text of message 193 for a failed verb's value.
std::string_view OpenFailureText(int value);
// Message 193 for that value.
Message OpenFailedMessage(int value);

}  // namespace qf
