#pragma once
// The record view: every column of the clicked row one under the other,
// beside fixed labels, with the hits of the line coloured.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/user_messages.h"
#include "results/result_view_state.h"
#include "results/search_results.h"
#include "results/view_text.h"
#include "settings/options.h"

namespace qf {

constexpr std::array<std::string_view, 22> kRecordViewLabels = {
    "Lines begin with the first hit :",
    "Full line with hits :",
    "Folder Number :",
    "File Number in Folder :",
    "Line number in file :",
    "Hits located in :",
    "File/Subfolder Name :",
    "Folder Name (Full path) :",
    "Extension :",
    "Size :",
    "Creation date :",
    "Last access date :",
    "Last modified date :",
    "Converted File/Subf. Name :",
    "Converted Folder Name :",
    "Converted Extension :",
    "Archive File/Subf. Name :",
    "Archive Folder Name :",
    "Archive Extension :",
    "Archive Working File/Subf. Name :",
    "Archive Working Folder Name :",
    "Archive Working Extension :",
};

enum class RecordViewLayout {
    LineOnly,     // the line alone (its hit line is not in the store)
    WithHits,     // layout 1: first-hit text, line and all twenty values
    WithoutHits,  // layout 2: the line twice, no archive values
};

struct RecordViewText : ViewText {
    RecordViewLayout layout = RecordViewLayout::LineOnly;
    std::vector<std::string> values;  // beside kRecordViewLabels, in order
    std::vector<size_t> valueStarts;  // byte offset of each value in text
};

enum class RecordViewOutcome { Filled, Hidden, NoRow };

struct RecordViewResult {
    RecordViewOutcome outcome = RecordViewOutcome::Hidden;
    RecordViewText view;
};

// Hidden in "By file name" mode, for a file missing from the store and (with
// 0230) when the read path of a content result does not open; 0222 when no
// row is selected. Restores the open path's times when RESTORETIM is 1.
RecordViewResult RecordViewFill(SearchResults& results, std::optional<size_t> row, const ResultViewState& view,
                                const Options& options, const std::vector<std::string>& terms,
                                UserMessages& messages);

}  // namespace qf
