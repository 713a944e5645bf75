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

size_t LongestValue(const RESULT_LIST& list, Field field) {
    size_t longest = 0;
    for (const tagPrivStruct& r : list) longest = std::max(longest, (r.*field).size());
    return longest;
}

void PadField(RESULT_LIST& list, Field field, bool left) {
    const size_t width = LongestValue(list, field);
    for (tagPrivStruct& r : list) {
        std::string& value = r.*field;
        if (value.size() >= width) continue;
        if (left)
            value.insert(0, width - value.size(), ' ');
        else
            value.append(width - value.size(), ' ');
    }
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

void ListViewSpacer(RESULT_LIST& list) {
    for (tagPrivStruct& r : list) std::erase(r.lineFromFirstHit, '\t');
    for (Field field : kLeftPadded) PadField(list, field, true);
    for (Field field : kRightPadded) PadField(list, field, false);
}

}  // namespace qf
