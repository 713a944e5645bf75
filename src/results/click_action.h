#pragma once
// A click on a result row: the preview or the default application, as the
// main window's "Click on the result line" choice says.

#include <optional>
#include <string>
#include <vector>

#include "platform/user_messages.h"
#include "results/click_record.h"
#include "results/desktop_opener.h"
#include "results/result_preview.h"
#include "results/search_results.h"
#include "settings/options.h"

namespace qf {

enum class ClickOutcome {
    Ignored,           // no query terms outside "By file name": nothing happens
    NoRow,             // 0066 was shown
    Previewed,         // show `preview`
    PreviewUnchanged,  // keep the preview's previous text
    Opened,            // the file went to its application (or 193 was shown)
};

struct ClickResult {
    ClickOutcome outcome = ClickOutcome::Ignored;
    ViewText preview;
};

struct ClickInputs {
    const Options& options;                 // APPDEFRADO, STYDOSFILE, CASESENSIT, RESTORETIM
    const std::vector<std::string>& terms;  // the query's term list
    LinesAround around;                     // from the window's edits or LinesAroundFromOptions
    UserMessages& messages;
    DesktopOpener& opener;
};

ClickResult ClickAction(SearchResults& results, std::optional<size_t> row, const ClickInputs& in);

}  // namespace qf
