#include "results/result_text_output.h"

#include <array>

#include "platform/control_chars.h"

namespace qf {
namespace {

// ANSI foreground codes in kColorList order: red, green, blue, cyan, magenta, yellow.
constexpr std::array<std::string_view, 6> kAnsiColors = {"\x1b[31m", "\x1b[32m", "\x1b[34m",
                                                         "\x1b[36m", "\x1b[35m", "\x1b[33m"};
constexpr std::string_view kAnsiReset = "\x1b[0m";

std::vector<int> ColorPerByte(size_t offset, size_t length, const std::vector<ColorRange>& ranges) {
    std::vector<int> colors(length, -1);
    for (const ColorRange& r : ranges)
        for (size_t b = std::max(r.byteBegin, offset); b < r.byteEnd && b < offset + length; ++b)
            colors[b - offset] = r.color;
    return colors;
}

std::string_view OpenMark(int color, HitMarking marking) {
    if (marking == HitMarking::Brackets) return "[[";
    return kAnsiColors[size_t(color) % kAnsiColors.size()];
}

std::string_view CloseMark(HitMarking marking) { return marking == HitMarking::Brackets ? "]]" : kAnsiReset; }

}  // namespace

std::string MarkHits(std::string_view text, size_t offset, const std::vector<ColorRange>& ranges, HitMarking marking) {
    const std::vector<int> colors = ColorPerByte(offset, text.size(), ranges);
    std::string out;
    out.reserve(text.size() + 8 * ranges.size());
    // On a terminal only our own colour codes may reach it: the file's
    // control characters are shown escaped (line breaks and tabs stay).
    const auto append = [&](std::string_view run) {
        if (marking == HitMarking::Ansi) out.append(EscapeControlChars(run, "\n\t"));
        else out.append(run);
    };
    int current = -1;
    size_t runStart = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        const int color = i < text.size() ? colors[i] : -1;
        if (color != current || i == text.size()) {
            append(text.substr(runStart, i - runStart));
            runStart = i;
        }
        if (color != current) {
            if (current >= 0) out.append(CloseMark(marking));
            if (color >= 0) out.append(OpenMark(color, marking));
            current = color;
        }
    }
    return out;
}

std::string PreviewOutputText(const ViewText& preview, HitMarking marking) {
    return MarkHits(preview.text, 0, preview.ranges, marking);
}

std::string RecordViewOutputText(const RecordViewText& view, HitMarking marking) {
    std::string out;
    for (size_t i = 0; i < view.values.size() && i < kRecordViewLabels.size(); ++i) {
        out.append(kRecordViewLabels[i]).push_back(' ');
        out.append(MarkHits(view.values[i], view.valueStarts[i], view.ranges, marking)).push_back('\n');
    }
    return out;
}

}  // namespace qf
