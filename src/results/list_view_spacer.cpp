#include "results/list_view_spacer.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/parallel_parts.h"
#include "results/result_rebuild.h"

namespace qf {
namespace {

using Field = std::string tagPrivStruct::*;

constexpr std::array<Field, 6> kLeftPadded = {
    &tagPrivStruct::folderNumber, &tagPrivStruct::fileNumberInFolder, &tagPrivStruct::lineNumber,
    &tagPrivStruct::lineNumberCopy, &tagPrivStruct::size, &tagPrivStruct::spare,
};

constexpr std::array<Field, 10> kRightPadded = {
    &tagPrivStruct::lineFromFirstHit, &tagPrivStruct::fileName, &tagPrivStruct::extension,
    &tagPrivStruct::folderPath, &tagPrivStruct::hitsLocatedIn, &tagPrivStruct::creationTime,
    &tagPrivStruct::lastAccessTime, &tagPrivStruct::lastWriteTime, &tagPrivStruct::fileKey,
    &tagPrivStruct::folderKey,
};

void Pad(std::string& value, size_t width, bool left) {
    if (value.size() >= width) return;
    if (left)
        value.insert(0, width - value.size(), ' ');
    else
        value.append(width - value.size(), ' ');
}

bool Among(Field field, const auto& fields) { return std::find(fields.begin(), fields.end(), field) != fields.end(); }

struct Widths {
    std::array<size_t, kLeftPadded.size()> left{};
    std::array<size_t, kRightPadded.size()> right{};

    void Widen(const tagPrivStruct& r) {
        for (size_t i = 0; i < left.size(); ++i) left[i] = std::max(left[i], (r.*kLeftPadded[i]).size());
        for (size_t i = 0; i < right.size(); ++i) right[i] = std::max(right[i], (r.*kRightPadded[i]).size());
    }
    void Widen(const Widths& other) {
        for (size_t i = 0; i < left.size(); ++i) left[i] = std::max(left[i], other.left[i]);
        for (size_t i = 0; i < right.size(); ++i) right[i] = std::max(right[i], other.right[i]);
    }
};

// Padding runs long (a line text is padded to 200 bytes): it is stepped
// over eight spaces at a time.
bool EightSpaces(const char* p) {
    constexpr uint64_t kSpaces = 0x2020202020202020ULL;
    uint64_t word;
    std::memcpy(&word, p, 8);
    return word == kSpaces;
}

}  // namespace

Padding PaddingOf(Field field) {
    if (Among(field, kLeftPadded)) return Padding::Left;
    if (Among(field, kRightPadded)) return Padding::Right;
    return Padding::None;
}

std::string_view Unpadded(std::string_view value, Padding padding) {
    if (padding == Padding::Left) {
        size_t first = 0;
        while (first + 8 <= value.size() && EightSpaces(value.data() + first)) first += 8;
        while (first < value.size() && value[first] == ' ') ++first;
        value.remove_prefix(first);
    } else if (padding == Padding::Right) {
        size_t end = value.size();
        while (end >= 8 && EightSpaces(value.data() + end - 8)) end -= 8;
        while (end > 0 && value[end - 1] == ' ') --end;
        value = value.substr(0, end);
    }
    return value;
}

std::string_view Unpadded(const tagPrivStruct& record, Field field) {
    return Unpadded(record.*field, PaddingOf(field));
}

// Two passes over the list, not one per field: a long list does not fit
// in the processor's caches. Each pass goes in parts side by side.
void ListViewSpacer(RESULT_LIST& list, int threads) {
    const size_t parts = RecordParts(list.size(), threads);
    std::vector<Widths> partWidths(parts);
    RunParts(parts, [&](size_t part) {
        const auto [first, end] = PartRange(list.size(), parts, part);
        for (size_t i = first; i < end; ++i) {
            std::erase(list[i].lineFromFirstHit, '\t');
            partWidths[part].Widen(list[i]);
        }
    });
    Widths widths;
    for (const Widths& w : partWidths) widths.Widen(w);
    RunParts(parts, [&](size_t part) {
        const auto [first, end] = PartRange(list.size(), parts, part);
        for (size_t i = first; i < end; ++i) {
            for (size_t f = 0; f < kLeftPadded.size(); ++f) Pad(list[i].*kLeftPadded[f], widths.left[f], true);
            for (size_t f = 0; f < kRightPadded.size(); ++f) Pad(list[i].*kRightPadded[f], widths.right[f], false);
        }
    });
}

}  // namespace qf
