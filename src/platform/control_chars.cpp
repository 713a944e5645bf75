#include "platform/control_chars.h"

namespace qf {
namespace {

void AppendEscape(std::string& out, unsigned char c) {
    static const char kHex[] = "0123456789ABCDEF";
    if (c == '\t') out += "\\t";
    else if (c == '\n') out += "\\n";
    else if (c == '\r') out += "\\r";
    else out.append({'\\', 'x', kHex[c >> 4], kHex[c & 15]});
}

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Length of the well-formed UTF-8 sequence of two or more bytes at `at`; 0 when there is none.
size_t Utf8Length(std::string_view text, size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const size_t length = lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                          : lead >= 0xF0 && lead <= 0xF4                                  ? 4
                                                                                          : 0;
    if (length == 0 || at + length > text.size()) return 0;
    for (size_t i = 1; i < length; ++i)
        if (!IsContinuation(static_cast<unsigned char>(text[at + i]))) return 0;
    return length;
}

}  // namespace

std::string EscapeControlChars(std::string_view text, std::string_view keep) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            const bool control = c < 0x20 || c == 0x7F;
            if (control && keep.find(char(c)) == std::string_view::npos) AppendEscape(out, c);
            else out += char(c);
            ++i;
            continue;
        }
        const size_t length = Utf8Length(text, i);
        if (length == 2 && c == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0) {
            AppendEscape(out, c);
            AppendEscape(out, static_cast<unsigned char>(text[i + 1]));
        } else if (length > 0) {
            out.append(text.substr(i, length));
        } else if (c < 0xA0) {
            AppendEscape(out, c);  // a terminal reading single bytes takes it for a C1 control
        } else {
            out += char(c);
        }
        i += length > 0 ? length : 1;
    }
    return out;
}

}  // namespace qf
