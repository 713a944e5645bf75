#include "results/result_kind.h"

#include <array>

namespace qf {
namespace {

struct KindText {
    std::string_view code;
    std::string_view hitsLocatedIn;
};

constexpr std::array<KindText, 12> kKinds = {{
    {"", ""},
    {"FON", "Folder name"},
    {"FIN", "File name"},
    {"FIC", "File content"},
    {"DOS", "File"},
    {"TFR", "Text/folder"},
    {"NOC", "Not cont."},
    {"NFIC", "File content"},
    {"NFIN", "File name"},
    {"NFON", "Folder name"},
    {"FIE", "File ext"},
    {"NFIE", "File ext"},
}};

}  // namespace

std::string_view KindCode(int kind) { return kind > 0 && kind < int(kKinds.size()) ? kKinds[kind].code : ""; }

std::string_view KindHitsLocatedIn(int kind) {
    return kind > 0 && kind < int(kKinds.size()) ? kKinds[kind].hitsLocatedIn : "";
}

int KindFromCode(std::string_view code) {
    for (int k = 1; k < int(kKinds.size()); ++k)
        if (kKinds[k].code == code) return k;
    return 0;
}

}  // namespace qf
