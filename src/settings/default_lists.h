#pragma once
// The default type, delimiter, comment and column lists loaded when the main
// window is created, and the other start-up values of the model.

#include <string>
#include <vector>

#include "settings/options.h"

namespace qf {

const std::vector<std::string>& DefaultIncludedTypes();    // 172 entries, one twice
const std::vector<std::string>& DefaultExcludedTypes();
const std::vector<std::string>& DefaultBinaryTypes();      // 215 entries, one twice
const std::vector<std::string>& DefaultIncludedDelimiters();  // 14 entries, one twice
const std::vector<std::string>& DefaultExcludedDelimiters();
const std::vector<std::string>& DefaultIncludedComments();
const std::vector<std::string>& DefaultExcludedComments();
const std::vector<std::string>& DefaultInfoMapTypes();     // 105 entries
const ColumnList& ReportColumns();                         // the eleven report columns

// Trims, lower-cases and inserts each entry with 0; duplicates collapse.
OptionMap MapFromList(const std::vector<std::string>& entries);

// Fills the maps and column lists and sets the "Select one" texts to the
// first entry of their list.
void LoadDefaultLists(Options& options);

// What the main window's creation does to the model: the six date-times of
// the three date rules to now (local time), default lists, preview on click.
void PrepareModelAtStart(Options& options);

}  // namespace qf
