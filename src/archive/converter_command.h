#pragma once
// The command lines of the two outside converters.

#include <string>

#include "platform/process_launcher.h"

namespace qf {

// <home>/antiw.sh DOC TXT when that script is executable; else antiword DOC
// with its output written to TXT. When <home>/antiword exists it becomes the
// child's HOME and joins the end of its PATH.
ProcessRequest WordConverterCommand(const std::string& appHome, const std::string& document, const std::string& text);

// <home>/xPdf/pdftotext when present, else pdftotext: -layout DOC TXT.
ProcessRequest PdfConverterCommand(const std::string& appHome, const std::string& document, const std::string& text);

}  // namespace qf
