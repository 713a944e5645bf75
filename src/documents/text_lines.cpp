#include "documents/text_lines.h"

namespace qf {

void TextLines::OpenParagraph() { open_.push_back(Paragraph{{}, notesDepth_ > 0}); }

void TextLines::CloseParagraph() {
    if (open_.empty()) return;
    Paragraph last = std::move(open_.back());
    open_.pop_back();
    Emit(std::move(last.text), last.note);
}

void TextLines::Line(std::string_view text) {
    OpenParagraph();
    Add(text);
    CloseParagraph();
}

void TextLines::DropParagraph() {
    if (!open_.empty()) open_.pop_back();
}

void TextLines::Emit(std::string&& line, bool note) {
    bytes_ += line.size() + 1;
    if (bytes_ > maxBytes_) {
        full_ = true;
        return;
    }
    std::string& target = note ? notes_ : body_;
    target += line;
    target += '\n';
}

void TextLines::Add(std::string_view text) {
    if (open_.empty() || full_) return;
    std::string& out = open_.back().text;
    // Text repeated by reference (shared strings, repeated cells) must not
    // outgrow the bound, not even within one paragraph.
    if (bytes_ + out.size() + text.size() > maxBytes_) {
        full_ = true;
        return;
    }
    for (char c : text) {
        if (c == '\n' || c == '\r') out += ' ';
        else if (c == '\t' || static_cast<unsigned char>(c) >= 0x20) out += c;
    }
}

void TextLines::AddSeparatorSpace() {
    if (open_.empty() || open_.back().text.empty() || open_.back().text.back() == ' ') return;
    open_.back().text += ' ';
}

std::string TextLines::Finish() {
    while (!open_.empty()) CloseParagraph();
    if (full_) return {};
    std::string all = std::move(body_);
    all += notes_;
    return all;
}

}  // namespace qf
