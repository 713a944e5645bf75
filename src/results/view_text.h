#pragma once
// A view's text with its coloured hits, ready for any front end.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace qf {

struct _ColorList {
    int32_t nId;
    uint8_t red;
    uint8_t green;
    uint8_t blue;
};

// Term i of the query is coloured with entry i modulo 6.
constexpr std::array<_ColorList, 6> kColorList = {{
    {33331, 255, 0, 0},    // red
    {33332, 0, 255, 0},    // green
    {33333, 0, 0, 255},    // blue
    {33334, 0, 255, 255},  // cyan
    {33335, 255, 0, 255},  // magenta
    {33336, 255, 255, 0},  // yellow
}};

inline int TermColor(size_t termIndex) { return int(termIndex % kColorList.size()); }

// One coloured stretch [begin, end) of the text, counted three ways: bytes of
// the UTF-8 text; code points, an invalid byte being one U+FFFD; and UTF-16
// units, which is what a Qt text document counts.
struct ColorRange {
    size_t byteBegin = 0;
    size_t byteEnd = 0;
    size_t charBegin = 0;
    size_t charEnd = 0;
    size_t utf16Begin = 0;
    size_t utf16End = 0;
    int color = 0;  // index into kColorList
    bool operator==(const ColorRange&) const = default;
};

// Ranges are applied in order; a later one wins where they overlap.
struct ViewText {
    std::string text;
    std::vector<ColorRange> ranges;
    // When the text is lines of a file: the file's number of its first line
    // and of the line that was clicked; 0 otherwise.
    uint32_t firstLine = 0;
    uint32_t hitLine = 0;
};

}  // namespace qf
