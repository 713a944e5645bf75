#pragma once
// Office Open XML, OpenDocument and RTF documents turned into text files by
// the program itself, the same way the outside converters turn Word and PDF
// documents into text: a text file in a working folder of its own, a log
// line and the Office counters.

#include <string_view>

#include "archive/document_conversion.h"

namespace qf {

// True for the types read when CONVOFFICE is on (extension in any case).
bool IsOfficeDocumentType(std::string_view extension);

// Reads the document into <officeWorkFolder>/Converted Office docs/...; a
// damaged, encrypted or oversized document is refused, logged with its
// reason and counted as unconverted. The answer fields are set either way.
void ConvertOfficeDocument(ConversionContext& context, _Convert_Path_Info_Struct& request);

}  // namespace qf
