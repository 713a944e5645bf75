#include "shell/result_clicks.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QRadioButton>
#include <QTableView>
#include <QTextEdit>
#include <QUrl>

#include "shell/hit_line_preview.h"
#include "shell/record_view_text.h"

namespace qf::shell {
namespace {

Message NoItemsMessage(const char* number) {
    return WarningMessage(std::string("Warning !    Msg no: ") + number + ".",
                          "No Items Result window\nAction : You must perform a search to get some results.");
}

}  // namespace

bool OpenWithDefaultApplication(const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

std::string OpenPath(const tagPrivStruct& record) {
    return record.unzippedFileName.empty() ? record.fullPath : record.unzippedFullPath;
}

ResultClicks::ResultClicks(Session& session, const MainControls& controls, RecordViewWindow& recordView,
                           UserMessages& messages)
    : session_(session), controls_(controls), recordView_(recordView), messages_(messages) {}

std::vector<std::string> ResultClicks::Terms() const {
    return ComparisonTerms(session_.state.searchTerms, session_.state.options.On(Opt::CASESENSIT));
}

void ResultClicks::Clicked(int row) {
    selectedRow_ = row;
    if (controls_.recordView->isChecked() && !controls_.byFileName->isChecked()) FillRecordView();
    ClickAction();
}

void ResultClicks::DoubleClicked() { ClickAction(); }

void ResultClicks::ClickAction() {
    if (session_.state.searchTerms.empty() && !controls_.byFileName->isChecked()) return;
    if (selectedRow_ < 0 || size_t(selectedRow_) >= session_.results.Size()) {
        messages_.Show(NoItemsMessage("0066"));
        return;
    }
    const tagPrivStruct record = session_.results.Row(size_t(selectedRow_));
    if (controls_.openDefaultApp->isChecked()) {
        if (openFile) openFile(QString::fromStdString(OpenPath(record)));
        return;
    }
    FillPreview(record);
}

void ResultClicks::FillPreview(const tagPrivStruct& record) {
    HitText content;
    bool changed = false;
    const std::vector<std::string> terms = Terms();
    session_.results.WithLock([&](RESULT_LIST&, FileResultsStore& store) {
        changed = BuildHitLinePreview(record, store, terms, content);
    });
    if (changed) ShowHitText(*controls_.preview, content);
}

void ResultClicks::HideRecordView() {
    recordView_.hide();
    controls_.recordView->setChecked(false);
}

void ResultClicks::FillRecordView() {
    if (controls_.byFileName->isChecked()) {
        HideRecordView();
        return;
    }
    if (selectedRow_ < 0 || size_t(selectedRow_) >= session_.results.Size()) {
        messages_.Show(NoItemsMessage("0222"));
        return;
    }
    const tagPrivStruct record = session_.results.Row(size_t(selectedRow_));
    const std::vector<std::string> terms = Terms();
    bool found = false;
    std::array<HitText, kRecordViewFields> values;
    session_.results.WithLock([&](RESULT_LIST& list, FileResultsStore& store) {
        const tagFileStrukt* file = FindStoredFile(store, record);
        if (!file) return;
        found = true;
        values = RecordViewValues(record, *file, terms, CountFolderFiles(list, record.folderNumber));
    });
    if (!found) {
        HideRecordView();
        return;
    }
    recordView_.ShowValues(values);
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
    if (!controls_.openDefaultApp->isChecked() &&
        !(session_.state.searchTerms.empty() && !controls_.byFileName->isChecked()))
        FillPreview(session_.results.Row(0));
}

}  // namespace qf::shell
