#pragma once
// Text of a workbook (xlsx): its worksheets in workbook order, one line per
// row with text, the row's non-empty cells separated by a tab. Shared and
// inline strings are resolved; numbers, dates and booleans read as stored.

#include "documents/document_text.h"
#include "documents/zip_package.h"

namespace qf {

DocumentText ReadSheetXml(ZipPackage& package, const DocumentLimits& limits);

}  // namespace qf
