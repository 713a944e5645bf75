#pragma once
// Setting options from text, as the command line's --set KEY=VALUE does.

#include <string>
#include <string_view>

#include "settings/options.h"

namespace qf {

// Flags take 0 or 1 (setting a choice member to 1 clears the rest of its
// group); integers and sizes take decimal numbers; texts are taken as they are;
// a list, map or column list gets one more element (an empty value empties
// it; a column is "NUMBER" or "NUMBER:NAME"); a date-time takes
// "YYYY-MM-DD[ HH:MM[:SS]]" or "MM/DD/YYYY  HH:MM:SS". False with a reason on bad input.
bool SetOptionFromText(Options& options, std::string_view key, std::string_view value, std::string& error);

// Parses a date-time text of the forms above.
bool ParseDateTimeText(std::string_view text, SYSTEMTIME& out);

}  // namespace qf
