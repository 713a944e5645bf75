#pragma once
// Groups of options of which at most one is set (radio buttons).

#include <span>

#include "settings/options.h"

namespace qf {

// The group the option belongs to; empty when it is a plain option.
std::span<const Opt> ChoiceGroupOf(Opt option);

// Sets the option to 1 and the other members of its group to 0.
void SelectChoice(Options& options, Opt option);

}  // namespace qf
