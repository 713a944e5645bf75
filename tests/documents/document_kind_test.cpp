#include <gtest/gtest.h>

#include "documents/document_kind.h"

namespace {

using qf::DocumentKind;
using qf::DocumentKindOf;

// Every kind by its extension in any case, and the near misses that read as
// nothing: the quick test on length and first letter must let each through.
TEST(DocumentKindTest, ExtensionsInAnyCaseAndNearMisses) {
    const std::pair<const char*, DocumentKind> kinds[] = {
        {"docx", DocumentKind::WordXml},     {"DOTM", DocumentKind::WordXml},       {"Xlsx", DocumentKind::SheetXml},
        {"xltM", DocumentKind::SheetXml},    {"PPSX", DocumentKind::SlidesXml},     {"potx", DocumentKind::SlidesXml},
        {"odt", DocumentKind::OpenDocument}, {"OTP", DocumentKind::OpenDocument},   {"Fods", DocumentKind::FlatOpenDocument},
        {"RTF", DocumentKind::Rtf},          {"rtf", DocumentKind::Rtf},
    };
    for (const auto& [extension, kind] : kinds) EXPECT_EQ(DocumentKindOf(extension), kind) << extension;
    for (const char* other : {"", "d", "doc", "docxx", "xls", "rt", "rtf ", "txt", "h", "zip", "\xc3\xb6\x64t"})
        EXPECT_EQ(DocumentKindOf(other), DocumentKind::None) << other;
}

}  // namespace
