#include "documents/odf_content.h"

#include <algorithm>

namespace qf {
namespace {

constexpr std::string_view kOffice = "urn:oasis:names:tc:opendocument:xmlns:office:1.0";
constexpr std::string_view kText = "urn:oasis:names:tc:opendocument:xmlns:text:1.0";
constexpr std::string_view kTable = "urn:oasis:names:tc:opendocument:xmlns:table:1.0";
constexpr std::string_view kPresentation = "urn:oasis:names:tc:opendocument:xmlns:presentation:1.0";
constexpr std::string_view kSvg = "urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0";

// Real documents repeat empty cells to the sheet's edge (16384 columns,
// 1048576 rows); only repeated content is written out, and never more often.
constexpr uint64_t kMaxColumns = 16384;
constexpr uint64_t kMaxRows = 1048576;
constexpr uint64_t kMaxSpaces = 1024;

bool IsSeparatorSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

uint64_t CountAttribute(const XmlAttributes& attributes, std::string_view ns, std::string_view local,
                        uint64_t max) {
    const std::string_view value = attributes.Find(ns, local);
    if (value.empty()) return 1;
    uint64_t n = 0;
    for (char c : value) {
        if (c < '0' || c > '9') return 1;
        n = std::min(max, n * 10 + uint64_t(c - '0'));
    }
    return std::max<uint64_t>(n, 1);
}

// Subtrees whose text is not the document's: note numbers, comments,
// deleted text kept for change tracking, speaker notes, shape titles.
bool SkipsSubtree(const XmlName& name) {
    return name.Is(kText, "note-citation") || name.Is(kOffice, "annotation") || name.Is(kText, "tracked-changes") ||
           name.Is(kPresentation, "notes") || name.Is(kSvg, "title") || name.Is(kSvg, "desc");
}

bool IsParagraph(const XmlName& name) { return name.Is(kText, "p") || name.Is(kText, "h"); }

bool IsCell(const XmlName& name) { return name.Is(kTable, "table-cell") || name.Is(kTable, "covered-table-cell"); }

}  // namespace

void OdfContentHandler::Gathered::Collapsed(std::string_view in) {
    for (char c : in) {
        if (IsSeparatorSpace(c)) {
            pendingSpace = true;
            continue;
        }
        if (pendingSpace && !text.empty()) text += ' ';
        pendingSpace = false;
        text += c;
    }
}

void OdfContentHandler::Gathered::Literal(std::string_view in) {
    if (pendingSpace && !text.empty()) text += ' ';
    pendingSpace = false;
    text += in;
}

OdfContentHandler::Gathered* OdfContentHandler::Target() {
    if (inCell_ && spreadsheet_) return cellParagraphDepth_ > 0 ? &cell_ : nullptr;
    return paragraphs_.empty() ? nullptr : &paragraphs_.back();
}

bool OdfContentHandler::StartElement(const XmlName& name, const XmlAttributes& attributes) {
    if (skipDepth_ > 0 || (bodyDepth_ > 0 && SkipsSubtree(name))) {
        ++skipDepth_;
        return true;
    }
    if (bodyDepth_ > 0) {
        ++bodyDepth_;
        return StartInBody(name, attributes);
    }
    if (name.Is(kOffice, "body")) {
        bodyDepth_ = 1;
        sawBody_ = true;
    }
    return true;
}

bool OdfContentHandler::StartInBody(const XmlName& name, const XmlAttributes& attributes) {
    if (name.Is(kOffice, "spreadsheet")) spreadsheet_ = true;
    else if (spreadsheet_ && name.Is(kTable, "table-row")) StartRow(attributes);
    else if (spreadsheet_ && IsCell(name)) StartCell(attributes);
    else if (IsParagraph(name) && inCell_ && spreadsheet_) {
        ++cellParagraphDepth_;
        cell_.pendingSpace = true;  // paragraphs of one cell join with a space
    } else if (IsParagraph(name)) paragraphs_.emplace_back();
    else if (name.Is(kText, "note-body")) lines_.BeginNotes();
    else if (Gathered* target = Target()) {
        if (name.Is(kText, "s"))
            target->Literal(std::string(size_t(CountAttribute(attributes, kText, "c", kMaxSpaces)), ' '));
        else if (name.Is(kText, "tab")) target->Literal("\t");
        else if (name.Is(kText, "line-break")) target->pendingSpace = true;
        if (target->text.size() > maxBytes_) over_ = true;
    }
    return Ok();
}

bool OdfContentHandler::EndElement(const XmlName& name) {
    if (skipDepth_ > 0) {
        --skipDepth_;
        return true;
    }
    if (bodyDepth_ == 0) return true;
    --bodyDepth_;
    if (spreadsheet_ && name.Is(kTable, "table-row")) EndRow();
    else if (spreadsheet_ && IsCell(name)) EndCell();
    else if (IsParagraph(name) && inCell_ && spreadsheet_) {
        if (cellParagraphDepth_ > 0) --cellParagraphDepth_;
    } else if (IsParagraph(name)) EndParagraph();
    else if (name.Is(kText, "note-body")) lines_.EndNotes();
    return Ok();
}

bool OdfContentHandler::Characters(std::string_view text) {
    if (skipDepth_ > 0 || bodyDepth_ == 0) return true;
    if (Gathered* target = Target()) {
        target->Collapsed(text);
        if (target->text.size() > maxBytes_) over_ = true;
    }
    return Ok();
}

void OdfContentHandler::EndParagraph() {
    if (paragraphs_.empty()) return;
    lines_.Line(paragraphs_.back().text);
    paragraphs_.pop_back();
}

void OdfContentHandler::StartRow(const XmlAttributes& attributes) {
    rowRepeat_ = CountAttribute(attributes, kTable, "number-rows-repeated", kMaxRows);
    lines_.OpenParagraph();
}

void OdfContentHandler::EndRow() {
    if (lines_.ParagraphEmpty()) {
        lines_.DropParagraph();
        return;
    }
    const std::string row = *lines_.Current();
    lines_.CloseParagraph();
    for (uint64_t i = 1; i < rowRepeat_ && !lines_.Full(); ++i) lines_.Line(row);
}

void OdfContentHandler::StartCell(const XmlAttributes& attributes) {
    inCell_ = true;
    cellParagraphDepth_ = 0;
    cell_ = Gathered{};
    cellRepeat_ = CountAttribute(attributes, kTable, "number-columns-repeated", kMaxColumns);
}

void OdfContentHandler::EndCell() {
    inCell_ = false;
    if (cell_.text.empty()) return;
    for (uint64_t i = 0; i < cellRepeat_ && !lines_.Full(); ++i) {
        if (!lines_.ParagraphEmpty()) lines_.Add("\t");
        lines_.Add(cell_.text);
    }
}

}  // namespace qf
