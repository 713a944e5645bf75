#pragma once
// The size rule and the size bound of every file a search reads.

#include <cstdint>

#include "platform/content_file.h"
#include "settings/options.h"

namespace qf {

// A larger file never takes part (2 GiB), and no file is read further.
constexpr uint64_t kMaxFileSize = kMaxContentBytes;

// 1, 1,024, 1,048,576 or 1,073,741,824 for the chosen unit; 0 when none is chosen.
uint64_t SizeUnitFactor(const Options& options);

// The size rule alone (CSIZECHECK and its choices); true when it keeps the file.
bool SizeRulePasses(const Options& options, uint64_t size);

}  // namespace qf
