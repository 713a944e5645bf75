#pragma once
// Text of a word-processing document (docx): the body's paragraphs, table
// cells and text boxes included, then headers, footers, footnotes and endnotes.

#include "documents/document_text.h"
#include "documents/zip_package.h"

namespace qf {

DocumentText ReadWordXml(ZipPackage& package, const DocumentLimits& limits);

}  // namespace qf
