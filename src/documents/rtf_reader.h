#pragma once
// Text of an RTF document, read control word by control word: "\par" and
// "\row" end a line, "\uN" Unicode characters (with their "\ucN" fallback
// skipped), "\'hh" bytes in Windows-1252, tables as tab-separated rows;
// font, colour and style tables, document information, pictures, objects,
// field instructions and every "\*" destination are skipped. Headers,
// footers and footnotes go after the body.

#include <string_view>

#include "documents/document_text.h"

namespace qf {

DocumentText ReadRtf(std::string_view bytes, const DocumentLimits& limits);

}  // namespace qf
