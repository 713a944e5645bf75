#pragma once
// The two search modes of the main window as its radio buttons leave the
// options, for front ends without those buttons.

#include "settings/options.h"

namespace qf {

// "By file name": no query target and no query kind is set.
void SelectByFileNameMode(Options& options);

// "Query text in: " chosen while "By file name" was: file content is the one
// target and the query is a standard one. Options in that mode already stay.
void SelectQueryTextMode(Options& options);

}  // namespace qf
