#include "settings/search_mode.h"

namespace qf {
namespace {

constexpr Opt kTargets[] = {Opt::STYPESTEXT, Opt::STSTRGFILE, Opt::SSTRGFILEE, Opt::STYPFOLDER};
constexpr Opt kQueryKinds[] = {Opt::STANRADIO1, Opt::BOOLRADIO1, Opt::MICROBOOLR};

}  // namespace

void SelectByFileNameMode(Options& o) {
    o.Choose({Opt::STYDOSFILE, Opt::SRCTYOTHER}, Opt::STYDOSFILE);
    for (Opt target : kTargets) o.SetInt(target, 0);
    for (Opt kind : kQueryKinds) o.SetInt(kind, 0);
}

void SelectQueryTextMode(Options& o) {
    if (!o.On(Opt::STYDOSFILE)) return;
    o.Choose({Opt::STYDOSFILE, Opt::SRCTYOTHER}, Opt::SRCTYOTHER);
    for (Opt target : kTargets) o.SetInt(target, target == Opt::STYPESTEXT ? 1 : 0);
    o.Choose({Opt::STANRADIO1, Opt::BOOLRADIO1, Opt::MICROBOOLR}, Opt::STANRADIO1);
}

}  // namespace qf
