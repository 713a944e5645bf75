#include "shell/result_clicks.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QTableView>
#include <QTextEdit>

#include "results/click_action.h"
#include "results/record_view.h"
#include "shell/view_text_edit.h"

namespace qf::shell {

ResultClicks::ResultClicks(Session& session, const MainControls& controls, RecordViewWindow& recordView,
                           UserMessages& messages)
    : session_(session), controls_(controls), recordView_(recordView), messages_(messages) {}

std::optional<size_t> ResultClicks::Row() const {
    if (selectedRow_ < 0) return std::nullopt;
    return size_t(selectedRow_);
}

Options ResultClicks::ClickOptions() const {
    Options options = session_.state.options;
    const bool openApp = controls_.openDefaultApp->isChecked();
    options.SetInt(Opt::APPDEFRADO, openApp ? 1 : 0);
    options.SetInt(Opt::APPSORRADO, openApp ? 0 : 1);
    options.SetInt(Opt::STYDOSFILE, controls_.byFileName->isChecked() ? 1 : 0);
    return options;
}

void ResultClicks::Clicked(int row) {
    selectedRow_ = row;
    if (controls_.recordView->isChecked() && !controls_.byFileName->isChecked()) FillRecordView();
    ClickAction();
}

void ResultClicks::DoubleClicked() { ClickAction(); }

void ResultClicks::ClickAction() {
    const Options options = ClickOptions();
    const LinesAround around = linesAround ? linesAround() : LinesAroundFromOptions(options);
    const ClickInputs inputs{options, session_.state.searchTerms, around, messages_, desktop};
    const ClickResult result = qf::ClickAction(session_.results, Row(), inputs);
    if (result.outcome == ClickOutcome::Previewed) ShowViewText(*controls_.preview, result.preview);
}

void ResultClicks::HideRecordView() {
    recordView_.hide();
    controls_.recordView->setChecked(false);
}

void ResultClicks::FillRecordView() {
    const RecordViewResult result = RecordViewFill(session_.results, Row(), session_.resultView, ClickOptions(),
                                                   session_.state.searchTerms, messages_);
    if (result.outcome == RecordViewOutcome::Hidden) HideRecordView();
    if (result.outcome != RecordViewOutcome::Filled) return;
    recordView_.ShowRecord(result.view);
    recordView_.show();
    recordView_.raise();
}

void ResultClicks::RecordViewToggled(bool checked) {
    if (!checked) {
        recordView_.hide();
        return;
    }
    if (session_.results.Size() == 0) {
        HideRecordView();
        return;
    }
    FillRecordView();
}

void ResultClicks::SearchStarted() {
    selectedRow_ = -1;
    recordView_.hide();
}

void ResultClicks::SearchEnded() {
    if (session_.results.Size() == 0) return;
    selectedRow_ = 0;
    controls_.resultWindow->selectRow(0);
    // The end of a search previews the first row; it never opens an application by itself.
    if (!controls_.openDefaultApp->isChecked()) ClickAction();
}

void ResultClicks::ResultsReordered() {
    if (session_.results.Size() == 0) {
        selectedRow_ = -1;
        return;
    }
    selectedRow_ = 0;
    controls_.resultWindow->selectRow(0);
    controls_.resultWindow->setFocus();
    if (controls_.recordView->isChecked() && !controls_.byFileName->isChecked()) FillRecordView();
    ClickAction();
}

}  // namespace qf::shell
