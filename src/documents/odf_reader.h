#pragma once
// Text of OpenDocument files: the ZIP package (odt, ods, odp) and the flat
// single-XML form (fodt, fods, fodp).

#include <functional>
#include <string>

#include "documents/document_text.h"
#include "documents/xml_stream.h"
#include "documents/zip_package.h"

namespace qf {

DocumentText ReadOpenDocument(ZipPackage& package, const DocumentLimits& limits);

// Pushes the whole flat document into the parser; false with `refusal` set
// when it cannot be read, or with it empty when the parser stopped.
using XmlFeeder = std::function<bool(XmlStream& parser, std::string& refusal)>;

DocumentText ReadFlatOpenDocument(const XmlFeeder& feed, const DocumentLimits& limits);

}  // namespace qf
