#include "results/click_action.h"

#include "results/open_result.h"

namespace qf {

ClickResult ClickAction(SearchResults& results, std::optional<size_t> row, const ClickInputs& in) {
    if (in.terms.empty() && !in.options.On(Opt::STYDOSFILE)) return {};
    const std::optional<ClickRecord> click = row ? ReadClickRecord(results, *row) : std::nullopt;
    if (!click) {
        in.messages.Show(WarningMessage("Warning !    Msg no: 0066.",
                                        "No Items Result window\nAction : You must perform a search to get some results."));
        return {ClickOutcome::NoRow, {}};
    }
    const auto kept = KeepFileTimes(click->openPath);
    ClickResult result;
    if (in.options.On(Opt::APPDEFRADO)) {
        OpenResult(click->openPath, in.options, in.opener, in.messages);
        result.outcome = ClickOutcome::Opened;
    } else {
        PreviewResult preview = PreviewFill(*click, FindResultFile(results, click->record), in.terms,
                                            in.options.On(Opt::CASESENSIT), in.around, in.messages);
        result.outcome =
            preview.outcome == PreviewOutcome::Filled ? ClickOutcome::Previewed : ClickOutcome::PreviewUnchanged;
        result.preview = std::move(preview.view);
    }
    RestoreKeptTimes(click->openPath, kept, in.options);
    return result;
}

}  // namespace qf
