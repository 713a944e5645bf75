#pragma once
// The preview: the hit line of a result with lines around it, its hits
// coloured term by term from the positions the search recorded.

#include <optional>
#include <string>
#include <vector>

#include "platform/user_messages.h"
#include "results/click_record.h"
#include "results/view_text.h"

namespace qf {

enum class PreviewOutcome { Filled, Unchanged };

struct PreviewResult {
    PreviewOutcome outcome = PreviewOutcome::Unchanged;
    ViewText view;
};

// The query's terms as the store records them: folded unless case-sensitive.
std::vector<std::string> ComparisonTerms(const std::vector<std::string>& terms, bool caseSensitive);

// Lines L - A (at least 1) to L + B of the read path for a content result;
// the name (line 1) for other results. Unchanged for the "not" kinds and for
// a file missing from the store; 0067 when the read path does not open.
PreviewResult PreviewFill(const ClickRecord& click, const std::optional<tagFileStrukt>& file,
                          const std::vector<std::string>& terms, bool caseSensitive, LinesAround around,
                          UserMessages& messages);

// The preview of a row with the options' line counts (no row: unchanged).
PreviewResult PreviewForRow(SearchResults& results, size_t row, const Options& options,
                            const std::vector<std::string>& terms, UserMessages& messages);

}  // namespace qf
