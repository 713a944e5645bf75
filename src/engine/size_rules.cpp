#include "engine/size_rules.h"

namespace qf {

uint64_t SizeUnitFactor(const Options& options) {
    if (options.On(Opt::SIZEINBYTS)) return 1;
    if (options.On(Opt::SIZENKBYTS)) return 1024;
    if (options.On(Opt::SIZENMBYTS)) return 1048576;
    if (options.On(Opt::SIZENGBYTS)) return 1073741824;
    return 0;
}

bool SizeRulePasses(const Options& options, uint64_t size) {
    if (!options.On(Opt::CSIZECHECK)) return true;
    const uint64_t factor = SizeUnitFactor(options);
    const uint64_t a = uint64_t(options.Size(Opt::SIZEFROMTW)) * factor;
    const uint64_t b = uint64_t(options.Size(Opt::SIZETOWWWW)) * factor;
    if (options.On(Opt::SIZELARGER)) return size > a;
    if (options.On(Opt::SIZESMALER)) return size < a;
    if (options.On(Opt::SIZEEQUALT)) return size == a;
    if (options.On(Opt::SIZEBETWEN)) return a < size && size < b;
    return false;
}

}  // namespace qf
