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

void TrimLeft(std::string& s) {
    const size_t first = s.find_first_not_of(' ');
    s.erase(0, first == std::string::npos ? s.size() : first);
}

void TrimRight(std::string& s) {
    const size_t last = s.find_last_not_of(' ');
    s.erase(last == std::string::npos ? 0 : last + 1);
}

}  // namespace

tagPrivStruct WithoutPadding(tagPrivStruct record) {
    for (Field field : kLeftPadded) TrimLeft(record.*field);
    for (Field field : kRightPadded) TrimRight(record.*field);
    return record;
}

void ListViewSpacer(RESULT_LIST& list) {
    for (tagPrivStruct& r : list) std::erase(r.lineFromFirstHit, '\t');
    for (Field field : kLeftPadded) PadField(list, field, true);
    for (Field field : kRightPadded) PadField(list, field, false);
}

}  // namespace qf
