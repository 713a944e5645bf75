#pragma once
// Pads the fields that take part in sort keys to one width per field, so
// that a plain text comparison of two keys compares field by field and
// numbers compare by value.

#include <string>
#include <string_view>

#include "results/search_results.h"

namespace qf {

// Numbers (folder, file, line numbers, size, spare) are padded on the left,
// texts on the right; tabs are removed from lineFromFirstHit first. Widths
// are in bytes, which is what the key comparison counts.
// A long list is padded by up to `threads` threads (at most kMostRebuildThreads).
void ListViewSpacer(RESULT_LIST& list, int threads = 1);

// A field's value with the padding taken off again, for output that is not
// a column display (exports to other programs, JSON). It lives as long as
// the record does.
std::string_view Unpadded(const tagPrivStruct& record, std::string tagPrivStruct::*field);

// The same in two steps, for output that takes many records' fields: which
// side a field is padded on is found once.
enum class Padding { None, Left, Right };
Padding PaddingOf(std::string tagPrivStruct::*field);
std::string_view Unpadded(std::string_view value, Padding padding);

}  // namespace qf
