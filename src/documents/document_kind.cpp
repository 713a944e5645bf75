#include "documents/document_kind.h"

#include <array>
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

}  // namespace

DocumentKind DocumentKindOf(std::string_view extension) {
    // Asked for every file of a walk: compared in place, nothing allocated.
    for (const KindOfExtension& entry : kKinds)
        if (EqualsIgnoreCase(extension, entry.extension)) return entry.kind;
    return DocumentKind::None;
}

}  // namespace qf
