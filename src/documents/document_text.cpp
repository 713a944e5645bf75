#include "documents/document_text.h"

#include <algorithm>
#include <fstream>
#include <vector>

#include "documents/odf_reader.h"
#include "documents/rtf_reader.h"
#include "documents/sheet_xml_reader.h"
#include "documents/slides_xml_reader.h"
#include "documents/word_xml_reader.h"
#include "documents/zip_package.h"

namespace qf {
namespace {

constexpr size_t kChunk = 64 * 1024;

// A password-protected Office Open XML file is not a ZIP package but a
// compound file holding the encrypted package.
constexpr std::string_view kCompoundFileMagic = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";

std::string TooLarge(const DocumentLimits& limits) {
    return "larger than " + std::to_string(limits.maxXmlBytes >> 20) + " MiB";
}

DocumentText ReadPackage(DocumentKind kind, ZipPackage& package, const DocumentLimits& limits) {
    switch (kind) {
        case DocumentKind::WordXml: return ReadWordXml(package, limits);
        case DocumentKind::SheetXml: return ReadSheetXml(package, limits);
        case DocumentKind::SlidesXml: return ReadSlidesXml(package, limits);
        default: return ReadOpenDocument(package, limits);
    }
}

DocumentText RefusedPackage(std::string_view head, const ZipPackage& package) {
    if (head.substr(0, kCompoundFileMagic.size()) == kCompoundFileMagic)
        return DocumentText::Refused("encrypted, or an older binary format under a new name");
    return DocumentText::Refused(package.Refusal());
}

// The file's size, or false when it cannot be opened.
bool OpenSized(const std::string& path, std::ifstream& in, uint64_t& size) {
    in.open(path, std::ios::binary | std::ios::ate);
    if (!in) return false;
    const std::streamoff end = in.tellg();
    if (end < 0) return false;
    size = uint64_t(end);
    in.seekg(0);
    return bool(in);
}

std::string Head(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string head(kCompoundFileMagic.size(), '\0');
    in.read(head.data(), std::streamsize(head.size()));
    head.resize(size_t(std::max<std::streamsize>(in.gcount(), 0)));
    return head;
}

DocumentText ReadRtfFile(const std::string& path, const DocumentLimits& limits) {
    std::ifstream in;
    uint64_t size = 0;
    if (!OpenSized(path, in, size)) return DocumentText::Refused("the file cannot be opened");
    if (size > limits.maxXmlBytes) return DocumentText::Refused(TooLarge(limits));
    std::string bytes(size_t(size), '\0');
    if (!in.read(bytes.data(), std::streamsize(bytes.size()))) return DocumentText::Refused("the file cannot be read");
    return ReadRtf(bytes, limits);
}

XmlFeeder FileFeeder(const std::string& path, const DocumentLimits& limits) {
    return [&path, &limits](XmlStream& parser, std::string& refusal) {
        std::ifstream in;
        uint64_t size = 0;
        if (!OpenSized(path, in, size)) {
            refusal = "the file cannot be opened";
            return false;
        }
        if (size > limits.maxXmlBytes) {
            refusal = TooLarge(limits);
            return false;
        }
        std::vector<char> buffer(kChunk);
        while (in) {
            in.read(buffer.data(), std::streamsize(buffer.size()));
            if (!parser.Feed(buffer.data(), size_t(in.gcount()), false)) return false;
        }
        if (!in.eof()) {
            refusal = "the file cannot be read";
            return false;
        }
        return parser.Feed(nullptr, 0, true);
    };
}

XmlFeeder BytesFeeder(std::string_view bytes, const DocumentLimits& limits) {
    return [bytes, &limits](XmlStream& parser, std::string& refusal) {
        if (bytes.size() > limits.maxXmlBytes) {
            refusal = TooLarge(limits);
            return false;
        }
        return parser.Feed(bytes.data(), bytes.size(), true);
    };
}

}  // namespace

DocumentText ExtractDocumentFile(DocumentKind kind, const std::string& path, const DocumentLimits& limits) {
    switch (kind) {
        case DocumentKind::None: return DocumentText::Refused("not a document type read here");
        case DocumentKind::Rtf: return ReadRtfFile(path, limits);
        case DocumentKind::FlatOpenDocument: return ReadFlatOpenDocument(FileFeeder(path, limits), limits);
        default: break;
    }
    ZipPackage package(limits);
    if (!package.OpenFile(path)) return RefusedPackage(Head(path), package);
    return ReadPackage(kind, package, limits);
}

DocumentText ExtractDocumentBytes(DocumentKind kind, std::string_view bytes, const DocumentLimits& limits) {
    switch (kind) {
        case DocumentKind::None: return DocumentText::Refused("not a document type read here");
        case DocumentKind::Rtf: return ReadRtf(bytes, limits);
        case DocumentKind::FlatOpenDocument: return ReadFlatOpenDocument(BytesFeeder(bytes, limits), limits);
        default: break;
    }
    ZipPackage package(limits);
    if (!package.OpenBytes(bytes)) return RefusedPackage(bytes, package);
    return ReadPackage(kind, package, limits);
}

}  // namespace qf
