#include "platform/case_folding.h"

#include <unicode/uchar.h>

#include "platform/utf8_text.h"

namespace qf {
char32_t FoldCodePoint(char32_t c) {
    if (c < 0x80) return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c;
    return char32_t(u_foldCase(UChar32(c), U_FOLD_CASE_DEFAULT));
}

std::string ComparisonText(std::string_view text, bool caseSensitive) {
    if (!IsUtf8Text(text)) return ComparisonText(AsUtf8Text(text), caseSensitive);
    return caseSensitive ? std::string(text) : FoldCase(text);
}

std::string FoldCase(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t b = 0; b < text.size();) {
        const auto byte = static_cast<unsigned char>(text[b]);
        if (byte < 0x80) {
            out += char((byte >= 'A' && byte <= 'Z') ? byte + ('a' - 'A') : byte);
            ++b;
            continue;
        }
        const Utf8Char c = DecodeUtf8(text.substr(b));
        if (c.length == 0) {
            out += char(byte);
            ++b;
            continue;
        }
        AppendUtf8(FoldCodePoint(c.codePoint), out);
        b += c.length;
    }
    return out;
}

}  // namespace qf
