#pragma once
// The document types that the program reads itself, by file extension.

#include <string_view>

namespace qf {

enum class DocumentKind {
    None,          // not a document this program reads
    WordXml,       // docx and its macro and template forms
    SheetXml,      // xlsx ...
    SlidesXml,     // pptx ...
    OpenDocument,  // odt, ods, odp and their templates: a ZIP package
    FlatOpenDocument,  // fodt, fods, fodp: the same content as one XML file
    Rtf
};

// The kind of a file by its extension (without the dot, any case).
DocumentKind DocumentKindOf(std::string_view extension);

}  // namespace qf
