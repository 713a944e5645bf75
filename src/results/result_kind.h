#pragma once
// The eleven kinds of result with their codes and display texts.

#include <string_view>

namespace qf {

enum ResultKind : int {
    kKindFolderName = 1,       // FON
    kKindFileName = 2,         // FIN
    kKindFileContent = 3,      // FIC
    kKindFile = 4,             // DOS
    kKindTextFolder = 5,       // TFR, never recorded
    kKindNotContained = 6,     // NOC
    kKindNotFileContent = 7,   // NFIC
    kKindNotFileName = 8,      // NFIN
    kKindNotFolderName = 9,    // NFON
    kKindExtension = 10,       // FIE
    kKindNotExtension = 11,    // NFIE
};

std::string_view KindCode(int kind);          // "FON", ...; "" for an unknown kind
std::string_view KindHitsLocatedIn(int kind);  // "Folder name", ...
int KindFromCode(std::string_view code);       // 0 for an unknown code

// Kinds that make one record per hit line; the others make one whole-file record.
inline bool IsLineKind(int kind) {
    return kind == kKindFolderName || kind == kKindFileName || kind == kKindFileContent || kind == kKindExtension;
}

// The "not" kinds: NOC and the negated results, which have no hit line.
inline bool IsNegatedKind(int kind) {
    return kind == kKindNotContained || kind == kKindNotFileContent || kind == kKindNotFileName ||
           kind == kKindNotFolderName || kind == kKindNotExtension;
}

}  // namespace qf
