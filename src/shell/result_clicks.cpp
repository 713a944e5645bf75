#include "shell/result_clicks.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QUrl>
#include <QRadioButton>
#include <QTableView>
#include <QTextEdit>

#include "results/click_action.h"
#include "results/open_result.h"
#include "results/record_view.h"
#include "shell/preview_edit.h"
#include "shell/result_table_view.h"

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

void ResultClicks::KeyboardMoved(int row) {
    selectedRow_ = row;
    if (controls_.recordView->isChecked() && !controls_.byFileName->isChecked()) FillRecordView();
    if (!controls_.openDefaultApp->isChecked()) ClickAction();
}

void ResultClicks::DoubleClicked(int row) {
    const bool justOpened = row == openedRow_ && openedAt_.isValid() &&
                            openedAt_.elapsed() <= QApplication::doubleClickInterval();
    if (!justOpened) OpenRow(row);
}

void ResultClicks::OpenRow(int row) {
    if (row < 0) return;
    const std::optional<ClickRecord> click = ReadClickRecord(session_.results, size_t(row));
    if (click) OpenResult(click->openPath, session_.state.options, desktop, messages_);
}

QString ResultClicks::PathOfRow(int row) const {
    const std::optional<ClickRecord> click = row < 0 ? std::nullopt : ReadClickRecord(session_.results, size_t(row));
    return click ? QString::fromStdString(click->openPath) : QString();
}

QString ResultClicks::FolderOfRow(int row) const {
    const QString path = PathOfRow(row);
    return path.isEmpty() ? path : QFileInfo(path).absolutePath();
}

void ResultClicks::OpenFolderOfRow(int row) {
    const QString folder = FolderOfRow(row);
    if (folder.isEmpty() || desktop.openUrl(QUrl::fromLocalFile(folder))) return;
    messages_.Show(OpenFailedMessage(kOpenNoAssociation));
}

QString ResultClicks::LineOfRow(int row) const {
    const std::optional<ClickRecord> click = row < 0 ? std::nullopt : ReadClickRecord(session_.results, size_t(row));
    return click ? QString::fromStdString(click->record.fullLine) : QString();
}

void ResultClicks::ClickAction() {
    const Options options = ClickOptions();
    const LinesAround around = linesAround ? linesAround() : LinesAroundFromOptions(options);
    const ClickInputs inputs{options, session_.state.searchTerms, around, messages_, desktop};
    const ClickResult result = qf::ClickAction(session_.results, Row(), inputs);
    if (result.outcome == ClickOutcome::Previewed) controls_.preview->ShowPreview(result.preview);
    if (result.outcome == ClickOutcome::Opened) {
        openedRow_ = selectedRow_;
        openedAt_.start();
    }
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
    if (showToolWindow) {
        showToolWindow(recordView_);
        return;
    }
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
    openedRow_ = -1;
    controls_.preview->ClearPreview();
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
