#include "documents/ooxml_namespaces.h"

#include <array>

namespace qf {
namespace {

struct SpaceUri {
    std::string_view uri;
    OoxmlSpace space;
};

constexpr std::array kSpaces{
    SpaceUri{"http://schemas.openxmlformats.org/wordprocessingml/2006/main", OoxmlSpace::Word},
    SpaceUri{"http://purl.oclc.org/ooxml/wordprocessingml/main", OoxmlSpace::Word},
    SpaceUri{"http://schemas.openxmlformats.org/drawingml/2006/main", OoxmlSpace::Drawing},
    SpaceUri{"http://purl.oclc.org/ooxml/drawingml/main", OoxmlSpace::Drawing},
    SpaceUri{"http://schemas.openxmlformats.org/spreadsheetml/2006/main", OoxmlSpace::Sheet},
    SpaceUri{"http://purl.oclc.org/ooxml/spreadsheetml/main", OoxmlSpace::Sheet},
    SpaceUri{"http://schemas.openxmlformats.org/presentationml/2006/main", OoxmlSpace::Presentation},
    SpaceUri{"http://purl.oclc.org/ooxml/presentationml/main", OoxmlSpace::Presentation},
    SpaceUri{"http://schemas.openxmlformats.org/officeDocument/2006/math", OoxmlSpace::Math},
    SpaceUri{"http://purl.oclc.org/ooxml/officeDocument/math", OoxmlSpace::Math},
    SpaceUri{kOoxmlRelationshipsTransitional, OoxmlSpace::Relationships},
    SpaceUri{kOoxmlRelationshipsStrict, OoxmlSpace::Relationships},
    SpaceUri{"http://schemas.openxmlformats.org/markup-compatibility/2006", OoxmlSpace::MarkupCompatibility},
};

}  // namespace

OoxmlSpace OoxmlSpaceOf(std::string_view uri) {
    for (const SpaceUri& entry : kSpaces)
        if (entry.uri == uri) return entry.space;
    return OoxmlSpace::Other;
}

std::string_view RelationshipIdOf(const XmlAttributes& attributes) {
    const std::string_view id = attributes.Find(kOoxmlRelationshipsTransitional, "id");
    return id.empty() ? attributes.Find(kOoxmlRelationshipsStrict, "id") : id;
}

}  // namespace qf
