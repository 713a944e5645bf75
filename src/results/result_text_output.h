#pragma once
// The preview and the record view as plain text for the command line, hits
// marked with [[ ]] or, on a terminal, in their colours.

#include <string>
#include <string_view>
#include <vector>

#include "results/record_view.h"
#include "results/view_text.h"

namespace qf {

enum class HitMarking { Brackets, Ansi };

// The part [offset, offset + text.size()) of a view's text with its ranges
// marked; where ranges overlap the later one wins, as in the window.
std::string MarkHits(std::string_view text, size_t offset, const std::vector<ColorRange>& ranges, HitMarking marking);

// The preview text with its hits marked.
std::string PreviewOutputText(const ViewText& preview, HitMarking marking);

// One line per value: the label, a blank and the value with its hits marked.
std::string RecordViewOutputText(const RecordViewText& view, HitMarking marking);

}  // namespace qf
