#pragma once
// The body of an OpenDocument file as lines: text and presentation
// paragraphs one a line (slides in order, speaker notes left out), footnotes
// and endnotes after the body, and spreadsheet rows one a line with their
// non-empty cells separated by a tab. Whitespace collapses as the format
// asks; <text:s/>, <text:tab/> and repeated rows and cells are expanded.

#include <cstdint>
#include <string>
#include <vector>

#include "documents/text_lines.h"
#include "documents/xml_stream.h"

namespace qf {

class OdfContentHandler : public XmlHandler {
public:
    OdfContentHandler(TextLines& lines, uint64_t maxBytes) : lines_(lines), maxBytes_(maxBytes) {}

    bool StartElement(const XmlName& name, const XmlAttributes& attributes) override;
    bool EndElement(const XmlName& name) override;
    bool Characters(std::string_view text) override;

    // False when the XML held no document body at all.
    bool SawBody() const { return sawBody_; }

private:
    // Text being gathered with the format's whitespace rule: runs of
    // spaces, tabs and line ends become one space, none at the start or end.
    struct Gathered {
        std::string text;
        bool pendingSpace = false;
        void Collapsed(std::string_view in);
        void Literal(std::string_view in);
    };

    bool StartInBody(const XmlName& name, const XmlAttributes& attributes);
    void StartRow(const XmlAttributes& attributes);
    void EndRow();
    void StartCell(const XmlAttributes& attributes);
    void EndCell();
    void EndParagraph();
    Gathered* Target();
    bool Ok() const { return !over_ && !lines_.Full(); }

    TextLines& lines_;
    uint64_t maxBytes_;
    bool sawBody_ = false;
    bool over_ = false;
    int bodyDepth_ = 0;
    int skipDepth_ = 0;
    bool spreadsheet_ = false;
    std::vector<Gathered> paragraphs_;  // open paragraphs, innermost last
    bool inCell_ = false;
    int cellParagraphDepth_ = 0;
    Gathered cell_;
    uint64_t cellRepeat_ = 1;
    uint64_t rowRepeat_ = 1;
};

}  // namespace qf
