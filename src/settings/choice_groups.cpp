#include "settings/choice_groups.h"

#include <algorithm>
#include <vector>

namespace qf {
namespace {

using Group = std::vector<Opt>;

const std::vector<Group>& Groups() {
    using enum Opt;
    static const std::vector<Group> groups = {
        {STYDOSFILE, SRCTYOTHER},
        {STANRADIO1, BOOLRADIO1, MICROBOOLR},
        {APPSORRADO, APPDEFRADO},
        {MATCHFILNA, MATCHFILTY},
        {ALLFILETPS, INCFILETPS, EXCFILETPS, SELONEFLTS},
        {CKALLWORDS, CKANYWORDS, NOTCONTAIN},
        {INANYORDER, INGIVORDER},
        {ALLWORDPRT, WHOLEWORDS, PARTSWORDS},
        {INCDELIMTS, SELONEDELM},
        {STARTLNRAD, STARTTRADO},
        {LINENRADIO, TERMSRADIO},
        {NOTSHCMMNT, ONLYSCMMNT, BOTHCMMNTS},
        {INCCOMCHAR, ONECOMCHAR},
        {DISPLAYATE, DISPLAYDUR},
        {CREINCRADO, CREEXCRADO},
        {CREABETWEN, CREAPREVOS},
        {WRIINCRADO, WRIEXCRADO},
        {WRTBETWEEN, ERTPREVIOS},
        {ACCINCRADO, ACCEXCRADO},
        {ACCBETWEEN, ACCPREVIOS},
        {SIZELARGER, SIZESMALER, SIZEEQUALT, SIZEBETWEN},
        {SIZEINBYTS, SIZENKBYTS, SIZENMBYTS, SIZENGBYTS},
        {ASCSORTORD, DSCSORTORD},
        {CFINONEFOL, CFINSUBFOL, CFINONEFOS, CFINSUBFOS},
        {CFOVWRRDBN, CFINCRRDBN, CFNWEXRDBN},
        {LISTPRERAD, LISTPRRRED},
        {IALLFILETP, IINCFILETP, IEXCFILETP, ISELONEFLT},
        {ARCHIVNONE, ARCHIVEALL, ARCHIVEARC, ARCHIVECON},
    };
    return groups;
}

}  // namespace

std::span<const Opt> ChoiceGroupOf(Opt option) {
    for (const Group& g : Groups())
        if (std::find(g.begin(), g.end(), option) != g.end()) return g;
    return {};
}

void SelectChoice(Options& options, Opt option) {
    for (Opt member : ChoiceGroupOf(option)) options.SetInt(member, 0);
    options.SetInt(option, 1);
}

}  // namespace qf
