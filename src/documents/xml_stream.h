#pragma once
// A streaming XML parser over expat: the document is fed in pieces of any
// size and reported as elements and text, so memory stays bounded however
// large the document is. A document type declaration is refused outright:
// no Office or OpenDocument part has one, and refusing it shuts out entity
// expansion ("billion laughs") and external entities.

#include <cstddef>
#include <string>
#include <string_view>

namespace qf {

// An element or attribute name split into its namespace URI and local part.
struct XmlName {
    std::string_view ns;
    std::string_view local;

    bool Is(std::string_view nsUri, std::string_view name) const { return local == name && ns == nsUri; }
};

// The attributes of one element, as expat hands them over.
class XmlAttributes {
public:
    explicit XmlAttributes(const char** pairs) : pairs_(pairs) {}
    // The value of the attribute with this namespace and local name; an
    // empty `nsUri` finds an attribute without a prefix.
    std::string_view Find(std::string_view nsUri, std::string_view local) const;

private:
    const char** pairs_;
};

// What a reader does with the parsed XML; returning false stops the parse
// (the reader then knows why and reports it).
class XmlHandler {
public:
    virtual ~XmlHandler() = default;
    virtual bool StartElement(const XmlName& name, const XmlAttributes& attributes) = 0;
    virtual bool EndElement(const XmlName& name) = 0;
    virtual bool Characters(std::string_view text) = 0;
};

// Splits expat's "uri|local" form.
XmlName SplitXmlName(const char* name);

class XmlStream {
public:
    explicit XmlStream(XmlHandler& handler);
    ~XmlStream();
    XmlStream(const XmlStream&) = delete;
    XmlStream& operator=(const XmlStream&) = delete;

    // Parses the next piece; `last` ends the document. False on an XML
    // error, a refused declaration or a handler that stopped the parse.
    bool Feed(const char* data, size_t size, bool last);

    // Why Feed failed: "" when the handler stopped it, else expat's error with its line.
    const std::string& Error() const { return error_; }
    // The document declared a document type, which is refused.
    bool DeclarationRefused() const { return declarationRefused_; }

private:
    static void OnStart(void* self, const char* name, const char** attributes);
    static void OnEnd(void* self, const char* name);
    static void OnText(void* self, const char* text, int length);
    static void OnDoctype(void* self, const char* name, const char* sysid, const char* pubid, int internal);
    void Stop(std::string error);

    void* parser_;
    XmlHandler& handler_;
    std::string error_;
    bool stopped_ = false;
    bool declarationRefused_ = false;
};

}  // namespace qf
