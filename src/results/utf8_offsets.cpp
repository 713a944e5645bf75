#include "results/utf8_offsets.h"

#include <algorithm>

namespace qf {
namespace {

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

size_t Utf8SequenceLength(std::string_view s) {
    if (s.empty()) return 0;
    const auto lead = static_cast<unsigned char>(s[0]);
    const size_t length = LengthFromLead(lead);
    if (length <= 1 || s.size() < length) return s.size() < length ? 0 : length;
    if (!SecondByteFits(lead, static_cast<unsigned char>(s[1]))) return 0;
    for (size_t i = 2; i < length; ++i)
        if (!InRange(static_cast<unsigned char>(s[i]), 0x80, 0xBF)) return 0;
    return length;
}

Utf8Offsets::Utf8Offsets(std::string_view text)
    : size_(text.size()), char_(text.size() + 1), utf16_(text.size() + 1), utf16Width_(text.size() + 1) {
    uint32_t chars = 0, units = 0;
    size_t b = 0;
    while (b < text.size()) {
        // An invalid byte stands for one replacement character.
        const size_t length = std::max<size_t>(1, Utf8SequenceLength(text.substr(b)));
        const uint8_t width = length == 4 ? 2 : 1;
        for (size_t i = b; i < b + length; ++i) {
            char_[i] = chars;
            utf16_[i] = units;
            utf16Width_[i] = width;
        }
        ++chars;
        units += width;
        b += length;
    }
    char_[size_] = chars;
    utf16_[size_] = units;
    utf16Width_[size_] = 0;
}

size_t Utf8Offsets::CharAt(size_t byte) const { return char_[std::min(byte, size_)]; }
size_t Utf8Offsets::Utf16At(size_t byte) const { return utf16_[std::min(byte, size_)]; }

size_t Utf8Offsets::CharEndAt(size_t byteEnd) const {
    if (byteEnd == 0) return 0;
    const size_t last = std::min(byteEnd, size_) - 1;
    return byteEnd > size_ ? char_[size_] : char_[last] + 1;
}

size_t Utf8Offsets::Utf16EndAt(size_t byteEnd) const {
    if (byteEnd == 0) return 0;
    if (byteEnd > size_) return utf16_[size_];
    return utf16_[byteEnd - 1] + utf16Width_[byteEnd - 1];
}

ColorRange Utf8Offsets::Range(size_t byteBegin, size_t byteEnd, int color) const {
    ColorRange r;
    r.byteBegin = std::min(byteBegin, size_);
    r.byteEnd = std::clamp(byteEnd, r.byteBegin, size_);
    r.charBegin = CharAt(r.byteBegin);
    r.charEnd = std::max(r.charBegin, CharEndAt(r.byteEnd));
    r.utf16Begin = Utf16At(r.byteBegin);
    r.utf16End = std::max(r.utf16Begin, Utf16EndAt(r.byteEnd));
    r.color = color;
    return r;
}

}  // namespace qf
