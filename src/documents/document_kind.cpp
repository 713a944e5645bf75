#include "documents/document_kind.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "platform/case_fold.h"

namespace qf {
namespace {

struct KindOfExtension {
    std::string_view extension;
    DocumentKind kind;
};

constexpr std::array kKinds{
    KindOfExtension{"docx", DocumentKind::WordXml},     KindOfExtension{"docm", DocumentKind::WordXml},
    KindOfExtension{"dotx", DocumentKind::WordXml},     KindOfExtension{"dotm", DocumentKind::WordXml},
    KindOfExtension{"xlsx", DocumentKind::SheetXml},    KindOfExtension{"xlsm", DocumentKind::SheetXml},
    KindOfExtension{"xltx", DocumentKind::SheetXml},    KindOfExtension{"xltm", DocumentKind::SheetXml},
    KindOfExtension{"pptx", DocumentKind::SlidesXml},   KindOfExtension{"pptm", DocumentKind::SlidesXml},
    KindOfExtension{"ppsx", DocumentKind::SlidesXml},   KindOfExtension{"potx", DocumentKind::SlidesXml},
    KindOfExtension{"odt", DocumentKind::OpenDocument}, KindOfExtension{"ods", DocumentKind::OpenDocument},
    KindOfExtension{"odp", DocumentKind::OpenDocument}, KindOfExtension{"ott", DocumentKind::OpenDocument},
    KindOfExtension{"ots", DocumentKind::OpenDocument}, KindOfExtension{"otp", DocumentKind::OpenDocument},
    KindOfExtension{"fodt", DocumentKind::FlatOpenDocument}, KindOfExtension{"fods", DocumentKind::FlatOpenDocument},
    KindOfExtension{"fodp", DocumentKind::FlatOpenDocument}, KindOfExtension{"rtf", DocumentKind::Rtf},
};

// The lengths and first letters of the extensions above: most files'
// extensions are told apart by these alone.
struct Outline {
    size_t shortest = SIZE_MAX;
    size_t longest = 0;
    uint32_t firstLetters = 0;  // bit n: 'a' + n

    bool Fits(std::string_view extension) const {
        if (extension.size() < shortest || extension.size() > longest) return false;
        const char first = AsciiLower(extension[0]);
        return first >= 'a' && first <= 'z' && (firstLetters >> (first - 'a') & 1) != 0;
    }
};

constexpr Outline kOutline = [] {
    Outline outline;
    for (const KindOfExtension& entry : kKinds) {
        outline.shortest = std::min(outline.shortest, entry.extension.size());
        outline.longest = std::max(outline.longest, entry.extension.size());
        outline.firstLetters |= uint32_t(1) << (entry.extension[0] - 'a');
    }
    return outline;
}();

}  // namespace

DocumentKind DocumentKindOf(std::string_view extension) {
    // Asked for every file of a walk: compared in place, nothing allocated.
    if (!kOutline.Fits(extension)) return DocumentKind::None;
    for (const KindOfExtension& entry : kKinds)
        if (EqualsIgnoreCase(extension, entry.extension)) return entry.kind;
    return DocumentKind::None;
}

}  // namespace qf
