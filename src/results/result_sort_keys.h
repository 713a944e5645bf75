#pragma once
// The eight sort keys of "Sort by: " and their key texts.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "results/result_record.h"

namespace qf {

constexpr int kSortKeyCount = 8;
constexpr int kDefaultSortKey = 1;  // folder, file and line

constexpr std::array<std::string_view, kSortKeyCount> kSortKeyTexts = {
    "File/SubFolder name",
    "Folder name",
    "Location type",
    "File extensions",
    "File size",
    "Last modification date/time",
    "File creation time",
    "Last accessed date/time",
};

// "%02d/%02d/%d  %02d:%02d" reordered as year, month, day, hour, minute.
std::string DateKey(std::string_view timeText);

// Appends the key text of a padded record (compared after lowering); nothing
// for an unknown key index.
void AppendSortKey(const tagPrivStruct& record, int keyIndex, std::string& out);

// Compares the lowered default key texts of two records (below zero: a's
// first) without making them.
int CompareDefaultKeys(const tagPrivStruct& a, const tagPrivStruct& b);

// Compares two lowered values of one key field as they compare once padded
// with spaces to the list's width: the shorter one as if it had the spaces.
int ComparePaddedField(std::string_view a, std::string_view b);

// A "Sort by: " caption (any letter case) or its index as digits.
std::optional<int> SortKeyFromText(std::string_view text);

}  // namespace qf
