#pragma once
// Collects a document's text as lines: one paragraph a line, paragraphs
// nested in others (text boxes, table cells in a frame) as lines of their
// own, and notes (footnotes, endnotes, headers, footers met inside the body)
// kept apart and put after the body, so that body paragraph n stays line n.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qf {

// The refusal of a document whose text would pass the bound.
constexpr std::string_view kTextLimitReason = "more text than the limit allows";

class TextLines {
public:
    // More than `maxBytes` of text makes the collection full: the reader
    // then refuses the document instead of growing without bound.
    explicit TextLines(size_t maxBytes) : maxBytes_(maxBytes) {}

    void OpenParagraph();
    void CloseParagraph();  // the innermost open paragraph becomes a line
    void DropParagraph();   // the innermost open paragraph is discarded
    void Line(std::string_view text);  // a whole paragraph at once
    bool InParagraph() const { return !open_.empty(); }

    // Text of the innermost open paragraph; line ends in it become spaces
    // and other control characters but the tab are dropped. Without an open
    // paragraph the text is ignored.
    void Add(std::string_view text);
    // A single space, unless the paragraph is empty or already ends in one.
    void AddSeparatorSpace();
    bool ParagraphEmpty() const { return open_.empty() || open_.back().text.empty(); }
    // The innermost paragraph's text, e.g. to drop a trailing separator.
    std::string* Current() { return open_.empty() ? nullptr : &open_.back().text; }

    // Paragraphs opened between these two go after the body.
    void BeginNotes() { ++notesDepth_; }
    void EndNotes() {
        if (notesDepth_ > 0) --notesDepth_;
    }

    bool Full() const { return full_; }

    // The body lines, then the note lines; paragraphs still open are closed.
    std::string Finish();

private:
    struct Paragraph {
        std::string text;
        bool note = false;
    };
    void Emit(std::string&& line, bool note);

    size_t maxBytes_;
    size_t bytes_ = 0;
    bool full_ = false;
    int notesDepth_ = 0;
    std::vector<Paragraph> open_;
    std::string body_;
    std::string notes_;
};

}  // namespace qf
