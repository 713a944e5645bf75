#include "results/line_cut.h"

namespace qf {

std::string LineCutNote(size_t keptBytes) {
    constexpr size_t kMiB = size_t(1) << 20;
    if (keptBytes % kMiB == 0) return " [line cut at " + std::to_string(keptBytes / kMiB) + " MiB]";
    return " [line cut at " + std::to_string(keptBytes) + " bytes]";
}

}  // namespace qf
