#pragma once
// The command line's report words turned into options.

#include <string>
#include <string_view>

#include "settings/options.h"

namespace qf {

// "logic,lines,stats" (any of them, in any order) into LISTSETCHK,
// LISTRESCHK and LISTSUMMAR; the words not given are switched off.
bool ParseReportSections(std::string_view words, Options& options, std::string& error);

// Report columns by number (1 to 11) or catalogue name (any case), comma
// separated, in the order given, into LISTINCLIS; the others go to
// LISTEXCLIS in catalogue order. A column given twice is kept once.
bool ParseReportColumns(std::string_view words, Options& options, std::string& error);

}  // namespace qf
