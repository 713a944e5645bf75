#include "documents/odf_reader.h"

#include "documents/odf_content.h"
#include "documents/text_lines.h"

namespace qf {
namespace {

constexpr std::string_view kManifest = "urn:oasis:names:tc:opendocument:xmlns:manifest:1.0";

// An encrypted package says so in its manifest; its content is then not XML.
class ManifestHandler : public XmlHandler {
public:
    bool encrypted = false;

    bool StartElement(const XmlName& name, const XmlAttributes&) override {
        if (name.Is(kManifest, "encryption-data")) encrypted = true;
        return true;
    }
    bool EndElement(const XmlName&) override { return true; }
    bool Characters(std::string_view) override { return true; }
};

DocumentText Finish(TextLines& lines, const OdfContentHandler& handler) {
    if (!handler.SawBody()) return DocumentText::Refused("damaged: no OpenDocument body");
    return DocumentText{lines.Finish(), {}};
}

}  // namespace

DocumentText ReadOpenDocument(ZipPackage& package, const DocumentLimits& limits) {
    const std::string manifest = "META-INF/manifest.xml";
    if (package.Has(manifest)) {
        ManifestHandler handler;
        if (!package.ParsePart(manifest, handler, "")) return DocumentText::Refused(package.Refusal());
        if (handler.encrypted) return DocumentText::Refused("encrypted: the document is protected by a password");
    }
    TextLines lines(limits.maxXmlBytes);
    OdfContentHandler handler(lines, limits.maxXmlBytes);
    if (!package.ParsePart("content.xml", handler, kTextLimitReason)) return DocumentText::Refused(package.Refusal());
    return Finish(lines, handler);
}

DocumentText ReadFlatOpenDocument(const XmlFeeder& feed, const DocumentLimits& limits) {
    TextLines lines(limits.maxXmlBytes);
    OdfContentHandler handler(lines, limits.maxXmlBytes);
    XmlStream parser(handler);
    std::string refusal;
    if (!feed(parser, refusal)) {
        if (!refusal.empty()) return DocumentText::Refused(refusal);
        if (parser.DeclarationRefused()) return DocumentText::Refused("refused: the file holds " + parser.Error());
        if (!parser.Error().empty()) return DocumentText::Refused("damaged: XML error: " + parser.Error());
        return DocumentText::Refused(std::string(kTextLimitReason));
    }
    return Finish(lines, handler);
}

}  // namespace qf
