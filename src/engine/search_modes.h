#pragma once
// Which kinds of search a run performs, from the mode options: the same set
// as the statistics rows ("By file name" excludes the query targets).

#include "results/search_statistics.h"

namespace qf {

using SearchModes = ActiveRows;

}  // namespace qf
