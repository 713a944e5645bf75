#pragma once
// Maps byte offsets of a UTF-8 text to character and UTF-16 offsets, so that
// ranges found on bytes colour the right characters in an editor.

#include <cstdint>
#include <string_view>
#include <vector>

#include "results/view_text.h"

namespace qf {

class Utf8Offsets {
public:
    explicit Utf8Offsets(std::string_view text);

    // Offsets of the character that holds byte b; b == size gives the totals.
    size_t CharAt(size_t byte) const;
    size_t Utf16At(size_t byte) const;
    // Offsets just after the character that holds byte b - 1 (end of a range).
    size_t CharEndAt(size_t byteEnd) const;
    size_t Utf16EndAt(size_t byteEnd) const;

    // A range of bytes, clamped to the text, in all three counts.
    ColorRange Range(size_t byteBegin, size_t byteEnd, int color) const;

private:
    size_t size_;
    std::vector<uint32_t> char_;      // per byte: index of its character
    std::vector<uint32_t> utf16_;     // per byte: UTF-16 start of its character
    std::vector<uint8_t> utf16Width_; // per byte: UTF-16 units of its character
};

// Length of the well-formed UTF-8 sequence at the start of s, 0 when the
// first byte does not begin one (overlong forms and surrogates included).
size_t Utf8SequenceLength(std::string_view s);

}  // namespace qf
