#include "documents/slides_xml_reader.h"

#include <vector>

#include "documents/ooxml_namespaces.h"
#include "documents/package_relations.h"
#include "documents/text_lines.h"

namespace qf {
namespace {

bool IsDrawing(const XmlName& name, std::string_view local) {
    return name.local == local && OoxmlSpaceOf(name.ns) == OoxmlSpace::Drawing;
}

// The slides of the presentation's slide list, in its order, as part names.
class PresentationHandler : public XmlHandler {
public:
    PresentationHandler(const std::vector<PackageRelation>& relations, std::vector<std::string>& slides)
        : relations_(relations), slides_(slides) {}

    bool StartElement(const XmlName& name, const XmlAttributes& attributes) override {
        if (name.local != "sldId" || OoxmlSpaceOf(name.ns) != OoxmlSpace::Presentation) return true;
        const std::string_view id = RelationshipIdOf(attributes);
        for (const PackageRelation& relation : relations_)
            if (relation.id == id && RelationIs(relation, "slide")) slides_.push_back(relation.target);
        return true;
    }
    bool EndElement(const XmlName&) override { return true; }
    bool Characters(std::string_view) override { return true; }

private:
    const std::vector<PackageRelation>& relations_;
    std::vector<std::string>& slides_;
};

class SlideHandler : public XmlHandler {
public:
    explicit SlideHandler(TextLines& lines) : lines_(lines) {}

    bool StartElement(const XmlName& name, const XmlAttributes&) override {
        // The fallback of alternate content repeats what its choice holds.
        if (skipDepth_ > 0 || (name.local == "Fallback" && OoxmlSpaceOf(name.ns) == OoxmlSpace::MarkupCompatibility)) {
            ++skipDepth_;
            return true;
        }
        if (IsDrawing(name, "p")) lines_.OpenParagraph();
        else if (IsDrawing(name, "t")) inText_ = true;
        else if (IsDrawing(name, "br")) lines_.AddSeparatorSpace();
        return !lines_.Full();
    }

    bool EndElement(const XmlName& name) override {
        if (skipDepth_ > 0) --skipDepth_;
        else if (IsDrawing(name, "p")) lines_.CloseParagraph();
        else if (IsDrawing(name, "t")) inText_ = false;
        return !lines_.Full();
    }

    bool Characters(std::string_view text) override {
        if (inText_ && skipDepth_ == 0) lines_.Add(text);
        return !lines_.Full();
    }

private:
    TextLines& lines_;
    int skipDepth_ = 0;
    bool inText_ = false;
};

}  // namespace

DocumentText ReadSlidesXml(ZipPackage& package, const DocumentLimits& limits) {
    std::string presentation;
    std::vector<PackageRelation> relations;
    if (!MainPartOf(package, "ppt/presentation.xml", presentation) ||
        !ReadRelations(package, presentation, relations))
        return DocumentText::Refused(package.Refusal());
    std::vector<std::string> slides;
    PresentationHandler presentationHandler(relations, slides);
    if (!package.ParsePart(presentation, presentationHandler, "")) return DocumentText::Refused(package.Refusal());
    TextLines lines(limits.maxXmlBytes);
    for (const std::string& slide : slides) {
        if (!package.Has(slide)) continue;
        SlideHandler handler(lines);
        if (!package.ParsePart(slide, handler, kTextLimitReason)) return DocumentText::Refused(package.Refusal());
    }
    return DocumentText{lines.Finish(), {}};
}

}  // namespace qf
