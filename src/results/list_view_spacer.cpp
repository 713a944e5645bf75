#include "results/list_view_spacer.h"

#include <algorithm>
#include <array>

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

}  // namespace

std::string_view Unpadded(const tagPrivStruct& record, Field field) {
    std::string_view value = record.*field;
    if (Among(field, kLeftPadded)) {
        const size_t first = value.find_first_not_of(' ');
        value.remove_prefix(first == std::string_view::npos ? value.size() : first);
    } else if (Among(field, kRightPadded)) {
        const size_t last = value.find_last_not_of(' ');
        value = value.substr(0, last == std::string_view::npos ? 0 : last + 1);
    }
    return value;
}

// Two passes over the list, not one per field: a long list does not fit
// in the processor's caches.
void ListViewSpacer(RESULT_LIST& list) {
    std::array<size_t, kLeftPadded.size()> leftWidths{};
    std::array<size_t, kRightPadded.size()> rightWidths{};
    for (tagPrivStruct& r : list) {
        std::erase(r.lineFromFirstHit, '\t');
        for (size_t i = 0; i < kLeftPadded.size(); ++i)
            leftWidths[i] = std::max(leftWidths[i], (r.*kLeftPadded[i]).size());
        for (size_t i = 0; i < kRightPadded.size(); ++i)
            rightWidths[i] = std::max(rightWidths[i], (r.*kRightPadded[i]).size());
    }
    for (tagPrivStruct& r : list) {
        for (size_t i = 0; i < kLeftPadded.size(); ++i) Pad(r.*kLeftPadded[i], leftWidths[i], true);
        for (size_t i = 0; i < kRightPadded.size(); ++i) Pad(r.*kRightPadded[i], rightWidths[i], false);
    }
}

}  // namespace qf
