#pragma once
// Maps offsets of a UTF-8 text between bytes, characters and UTF-16 units,
// so that hits recorded as characters colour the right ones in an editor.

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "results/view_text.h"

namespace qf {

class Utf8Offsets {
public:
    explicit Utf8Offsets(std::string_view text);

    // Where character c begins; c past the last one gives the size.
    size_t ByteOfChar(size_t c) const { return charStart_[std::min(c, charStart_.size() - 1)]; }
    // Offsets of the character that holds byte b; b == size gives the totals.
    size_t CharAt(size_t byte) const;
    size_t Utf16At(size_t byte) const;
    // Offsets just after the character that holds byte b - 1 (end of a range).
    size_t CharEndAt(size_t byteEnd) const;
    size_t Utf16EndAt(size_t byteEnd) const;

    // A range of bytes, clamped to the text, in all three counts.
    ColorRange Range(size_t byteBegin, size_t byteEnd, int color) const;
    // The same for a range of characters.
    ColorRange CharRange(size_t charBegin, size_t charEnd, int color) const {
        return Range(ByteOfChar(charBegin), ByteOfChar(charEnd), color);
    }

private:
    size_t size_;
    std::vector<uint32_t> char_;      // per byte: index of its character
    std::vector<uint32_t> utf16_;     // per byte: UTF-16 start of its character
    std::vector<uint8_t> utf16Width_; // per byte: UTF-16 units of its character
    std::vector<size_t> charStart_;   // per character: its first byte; then the size
};

}  // namespace qf
