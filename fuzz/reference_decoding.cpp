#include "reference_decoding.h"

#include <cstdint>

#include "platform/utf8_text.h"

namespace qffuzz {
namespace {

uint8_t Byte(std::string_view s, size_t i) { return static_cast<uint8_t>(s[i]); }

// The code point of the well-formed sequence at s[i], with its length in
// `length`; length 0 when none starts there.
char32_t SequenceAt(std::string_view s, size_t i, size_t& length) {
    length = 0;
    const uint8_t b = Byte(s, i);
    size_t need;
    char32_t c;
    char32_t least;
    if (b < 0x80) {
        length = 1;
        return b;
    } else if (b >= 0xC2 && b <= 0xDF) {
        need = 1, c = b & 0x1F, least = 0x80;
    } else if (b >= 0xE0 && b <= 0xEF) {
        need = 2, c = b & 0x0F, least = 0x800;
    } else if (b >= 0xF0 && b <= 0xF4) {
        need = 3, c = b & 0x07, least = 0x10000;
    } else {
        return 0;
    }
    if (i + need >= s.size()) return 0;
    for (size_t k = 1; k <= need; ++k) {
        const uint8_t t = Byte(s, i + k);
        if ((t & 0xC0) != 0x80) return 0;
        c = c << 6 | (t & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    length = need + 1;
    return c;
}

void Append(char32_t c, std::string& out) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | c >> 6);
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | c >> 12);
        out += char(0x80 | (c >> 6 & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | c >> 18);
        out += char(0x80 | (c >> 12 & 0x3F));
        out += char(0x80 | (c >> 6 & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// UTF-8 where a byte that begins no well-formed sequence is its
// Windows-1252 character.
std::string Utf8OrWindows1252(std::string_view s) {
    std::string out;
    for (size_t i = 0; i < s.size();) {
        size_t length;
        const char32_t c = SequenceAt(s, i, length);
        if (length == 0) {
            Append(qf::Windows1252CodePoint(Byte(s, i)), out);
            ++i;
        } else {
            Append(c, out);
            i += length;
        }
    }
    return out;
}

std::string Windows1252(std::string_view s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) Append(qf::Windows1252CodePoint(Byte(s, i)), out);
    return out;
}

// Unpaired surrogates and a last odd byte are U+FFFD.
std::string Utf16(std::string_view s, bool bigEndian) {
    const auto unit = [&](size_t i) -> char32_t {
        return bigEndian ? char32_t(Byte(s, i) << 8 | Byte(s, i + 1)) : char32_t(Byte(s, i + 1) << 8 | Byte(s, i));
    };
    std::string out;
    size_t i = 0;
    for (; i + 1 < s.size(); i += 2) {
        const char32_t u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 3 < s.size() && unit(i + 2) >= 0xDC00 && unit(i + 2) <= 0xDFFF) {
            Append(0x10000 + ((u - 0xD800) << 10) + (unit(i + 2) - 0xDC00), out);
            i += 2;
        } else {
            Append(u >= 0xD800 && u <= 0xDFFF ? 0xFFFD : u, out);
        }
    }
    if (i < s.size()) Append(0xFFFD, out);
    return out;
}

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

}  // namespace

bool WellFormedUtf8(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        size_t length;
        SequenceAt(text, i, length);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

std::string ReferenceDecoding(std::string_view bytes) {
    if (StartsWith(bytes, "\xEF\xBB\xBF")) return Utf8OrWindows1252(bytes.substr(3));
    if (StartsWith(bytes, "\xFF\xFE")) return Utf16(bytes.substr(2), false);
    if (StartsWith(bytes, "\xFE\xFF")) return Utf16(bytes.substr(2), true);
    return WellFormedUtf8(bytes) ? std::string(bytes) : Windows1252(bytes);
}

std::string AsUtf16(std::string_view text, bool bigEndian) {
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    const auto put = [&](char32_t u) {
        const char hi = char(u >> 8), lo = char(u & 0xFF);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    };
    for (size_t i = 0; i < text.size();) {
        size_t length;
        char32_t c = SequenceAt(text, i, length);
        if (length == 0) c = Byte(text, i), length = 1;
        if (c >= 0x10000) {
            put(0xD800 + ((c - 0x10000) >> 10));
            put(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            put(c);
        }
        i += length;
    }
    return out;
}

bool WritesAsUtf16(uint8_t form) { return form % 8 == 4 || form % 8 == 5; }

std::string InSomeEncoding(uint8_t form, std::string bytes) {
    switch (form % 8) {
        case 1: return "\xEF\xBB\xBF" + bytes;
        case 2: return "\xFF\xFE" + bytes;
        case 3: return "\xFE\xFF" + bytes;
        case 4: return AsUtf16(bytes, false);
        case 5: return AsUtf16(bytes, true);
        default: return bytes;
    }
}

}  // namespace qffuzz
