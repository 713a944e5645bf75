#pragma once
// Text of a presentation (pptx): its slides in presentation order, each
// paragraph of their shapes and tables a line.

#include "documents/document_text.h"
#include "documents/zip_package.h"

namespace qf {

DocumentText ReadSlidesXml(ZipPackage& package, const DocumentLimits& limits);

}  // namespace qf
