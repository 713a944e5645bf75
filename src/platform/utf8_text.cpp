#include "platform/utf8_text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "platform/wide_bytes.h"

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define QF_HAVE_SSE2 1
#endif

namespace qf {
namespace {

constexpr std::array<char32_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool InRange(unsigned char c, unsigned char low, unsigned char high) { return c >= low && c <= high; }

// The allowed range of the second byte after a lead byte; the rest are 80..BF.
bool SecondByteFits(unsigned char lead, unsigned char second) {
    switch (lead) {
        case 0xE0: return InRange(second, 0xA0, 0xBF);
        case 0xED: return InRange(second, 0x80, 0x9F);
        case 0xF0: return InRange(second, 0x90, 0xBF);
        case 0xF4: return InRange(second, 0x80, 0x8F);
        default: return InRange(second, 0x80, 0xBF);
    }
}

size_t LengthFromLead(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (InRange(lead, 0xC2, 0xDF)) return 2;
    if (InRange(lead, 0xE0, 0xEF)) return 3;
    if (InRange(lead, 0xF0, 0xF4)) return 4;
    return 0;
}

}  // namespace

size_t WriteUtf8(char32_t c, char* out) {
    if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) c = kReplacementCharacter;
    if (c < 0x80) {
        out[0] = char(c);
        return 1;
    }
    if (c < 0x800) {
        out[0] = char(0xC0 | (c >> 6));
        out[1] = char(0x80 | (c & 0x3F));
        return 2;
    }
    if (c < 0x10000) {
        out[0] = char(0xE0 | (c >> 12));
        out[1] = char(0x80 | ((c >> 6) & 0x3F));
        out[2] = char(0x80 | (c & 0x3F));
        return 3;
    }
    out[0] = char(0xF0 | (c >> 18));
    out[1] = char(0x80 | ((c >> 12) & 0x3F));
    out[2] = char(0x80 | ((c >> 6) & 0x3F));
    out[3] = char(0x80 | (c & 0x3F));
    return 4;
}

void AppendUtf8(char32_t c, std::string& out) {
    char bytes[kUtf8MaxBytes];
    out.append(bytes, WriteUtf8(c, bytes));
}

char32_t Windows1252CodePoint(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) return kHighControls[byte - 0x80];
    return byte;
}

Utf8Char DecodeUtf8(std::string_view s) {
    Utf8Char out;
    if (s.empty()) return out;
    const auto lead = static_cast<unsigned char>(s[0]);
    const size_t length = LengthFromLead(lead);
    if (length == 1) return {lead, 1, false};
    if (length == 0) return out;
    char32_t c = lead & (0xFF >> (length + 1));
    for (size_t i = 1; i < length; ++i) {
        if (i == s.size()) {
            out.cutShort = true;
            return out;
        }
        const auto next = static_cast<unsigned char>(s[i]);
        if (i == 1 ? !SecondByteFits(lead, next) : !InRange(next, 0x80, 0xBF)) return out;
        c = (c << 6) | (next & 0x3F);
    }
    return {c, length, false};
}

size_t Utf8SequenceLength(std::string_view s) { return DecodeUtf8(s).length; }

bool IsUtf8Text(std::string_view text) {
    size_t b = FirstNonAscii(text.data(), text.size());
    while (b < text.size()) {
        const size_t length = Utf8SequenceLength(text.substr(b));
        if (length == 0) return false;
        b += length;
        b += FirstNonAscii(text.data() + b, text.size() - b);
    }
    return true;
}

std::string AsUtf8Text(std::string_view text) {
    if (IsUtf8Text(text)) return std::string(text);
    std::string out;
    out.reserve(text.size() + text.size() / 2);
    for (size_t b = 0; b < text.size();) {
        const size_t length = Utf8SequenceLength(text.substr(b));
        if (length > 0) {
            out.append(text.substr(b, length));
            b += length;
        } else {
            AppendUtf8(Windows1252CodePoint(static_cast<unsigned char>(text[b])), out);
            ++b;
        }
    }
    return out;
}

size_t Utf8CharCount(std::string_view text) {
    size_t chars = 0;
    size_t b = 0;
    while (b < text.size()) {
        const size_t run = FirstNonAscii(text.data() + b, text.size() - b);
        b += run;
        chars += run;
        if (b == text.size()) break;
        b += Utf8CharBytes(text.substr(b));
        ++chars;
    }
    return chars;
}

size_t Utf8ByteOfChar(std::string_view text, size_t index) {
    size_t b = 0;
    size_t chars = 0;
    while (chars < index && b < text.size()) {
        const size_t run = std::min(FirstNonAscii(text.data() + b, text.size() - b), index - chars);
        b += run;
        chars += run;
        if (chars == index || b == text.size()) break;
        b += Utf8CharBytes(text.substr(b));
        ++chars;
    }
    return b;
}

std::string_view Utf8Prefix(std::string_view text, size_t count) {
    return text.substr(0, Utf8ByteOfChar(text, count));
}

size_t CompleteUtf8Length(std::string_view text) {
    for (size_t back = 1; back < kUtf8MaxBytes && back <= text.size(); ++back) {
        const auto byte = static_cast<unsigned char>(text[text.size() - back]);
        if (byte < 0x80) break;
        if (byte >= 0xC0) {  // the last lead byte: is its sequence cut?
            if (DecodeUtf8(text.substr(text.size() - back)).cutShort) return text.size() - back;
            break;
        }
    }
    return text.size();
}

size_t FirstNonAscii(const char* p, size_t n) {
    size_t i = 0;
    if (wide::Available()) i = wide::AsciiSteps(p, n);
#ifdef QF_HAVE_SSE2
    // Sixty-four bytes a step, their high bits gathered by OR: one test per
    // step keeps the loop at the speed the processor can load.
    const auto at = [p](size_t k) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + k)); };
    for (; i + 64 <= n; i += 64) {
        const __m128i x = _mm_or_si128(_mm_or_si128(at(i), at(i + 16)), _mm_or_si128(at(i + 32), at(i + 48)));
        if (_mm_movemask_epi8(x) != 0) break;
    }
    for (; i + 16 <= n; i += 16)
        if (_mm_movemask_epi8(at(i)) != 0) break;
#endif
    for (; i + 8 <= n; i += 8) {
        uint64_t w;
        std::memcpy(&w, p + i, 8);
        if (w & 0x8080808080808080ull) break;
    }
    for (; i < n; ++i)
        if (static_cast<unsigned char>(p[i]) >= 0x80) return i;
    return n;
}

}  // namespace qf
