#include "results/utf8_offsets.h"

#include <algorithm>

#include "platform/utf8_text.h"

namespace qf {

Utf8Offsets::Utf8Offsets(std::string_view text)
    : size_(text.size()), char_(text.size() + 1), utf16_(text.size() + 1), utf16Width_(text.size() + 1) {
    uint32_t chars = 0, units = 0;
    size_t b = 0;
    while (b < text.size()) {
        // An invalid byte stands for one replacement character.
        const size_t length = Utf8CharBytes(text.substr(b));
        const uint8_t width = length == 4 ? 2 : 1;
        charStart_.push_back(b);
        for (size_t i = b; i < b + length; ++i) {
            char_[i] = chars;
            utf16_[i] = units;
            utf16Width_[i] = width;
        }
        ++chars;
        units += width;
        b += length;
    }
    charStart_.push_back(size_);
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
