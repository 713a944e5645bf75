#pragma once
// The namespaces of Office Open XML, in their transitional and strict forms.

#include <string_view>

#include "documents/xml_stream.h"

namespace qf {

enum class OoxmlSpace { Word, Drawing, Sheet, Presentation, Math, Relationships, MarkupCompatibility, Other };

OoxmlSpace OoxmlSpaceOf(std::string_view uri);

// The relationship-id attribute ("r:id") in either form.
constexpr std::string_view kOoxmlRelationshipsTransitional =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
constexpr std::string_view kOoxmlRelationshipsStrict = "http://purl.oclc.org/ooxml/officeDocument/relationships";

// The relationship id of an element ("r:id"), in either form.
std::string_view RelationshipIdOf(const XmlAttributes& attributes);

}  // namespace qf
