#include "documents/xml_stream.h"

#include <expat.h>

#include <climits>

namespace qf {
namespace {

constexpr char kNamespaceSeparator = '|';

XML_Parser Parser(void* parser) { return static_cast<XML_Parser>(parser); }

}  // namespace

XmlName SplitXmlName(const char* name) {
    const std::string_view full(name);
    const size_t bar = full.find(kNamespaceSeparator);
    if (bar == std::string_view::npos) return XmlName{{}, full};
    return XmlName{full.substr(0, bar), full.substr(bar + 1)};
}

std::string_view XmlAttributes::Find(std::string_view nsUri, std::string_view local) const {
    for (const char** pair = pairs_; pair && pair[0]; pair += 2)
        if (SplitXmlName(pair[0]).Is(nsUri, local)) return pair[1];
    return {};
}

XmlStream::XmlStream(XmlHandler& handler) : parser_(XML_ParserCreateNS(nullptr, kNamespaceSeparator)), handler_(handler) {
    if (!parser_) return;
    XML_SetUserData(Parser(parser_), this);
    XML_SetElementHandler(Parser(parser_), &XmlStream::OnStart, &XmlStream::OnEnd);
    XML_SetCharacterDataHandler(Parser(parser_), &XmlStream::OnText);
    XML_SetStartDoctypeDeclHandler(Parser(parser_), &XmlStream::OnDoctype);
    XML_SetParamEntityParsing(Parser(parser_), XML_PARAM_ENTITY_PARSING_NEVER);
}

XmlStream::~XmlStream() {
    if (parser_) XML_ParserFree(Parser(parser_));
}

void XmlStream::Stop(std::string error) {
    if (stopped_) return;
    stopped_ = true;
    error_ = std::move(error);
    XML_StopParser(Parser(parser_), XML_FALSE);
}

void XmlStream::OnStart(void* self, const char* name, const char** attributes) {
    auto* stream = static_cast<XmlStream*>(self);
    if (!stream->handler_.StartElement(SplitXmlName(name), XmlAttributes(attributes))) stream->Stop({});
}

void XmlStream::OnEnd(void* self, const char* name) {
    auto* stream = static_cast<XmlStream*>(self);
    if (!stream->handler_.EndElement(SplitXmlName(name))) stream->Stop({});
}

void XmlStream::OnText(void* self, const char* text, int length) {
    auto* stream = static_cast<XmlStream*>(self);
    if (!stream->handler_.Characters(std::string_view(text, size_t(length)))) stream->Stop({});
}

void XmlStream::OnDoctype(void* self, const char*, const char*, const char*, int) {
    auto* stream = static_cast<XmlStream*>(self);
    stream->declarationRefused_ = true;
    stream->Stop("a document type declaration (entities and DTDs are not accepted)");
}

bool XmlStream::Feed(const char* data, size_t size, bool last) {
    if (!parser_) {
        error_ = "out of memory for the XML parser";
        return false;
    }
    if (stopped_) return false;
    // expat takes an int length: larger pieces go in slices.
    while (size > size_t(INT_MAX / 2)) {
        if (!Feed(data, size_t(INT_MAX / 2), false)) return false;
        data += INT_MAX / 2;
        size -= size_t(INT_MAX / 2);
    }
    if (XML_Parse(Parser(parser_), data, int(size), last ? 1 : 0) == XML_STATUS_OK) return true;
    if (!stopped_) {
        error_ = std::string(XML_ErrorString(XML_GetErrorCode(Parser(parser_)))) + " at line " +
                 std::to_string(XML_GetCurrentLineNumber(Parser(parser_)));
    }
    stopped_ = true;
    return false;
}

}  // namespace qf
