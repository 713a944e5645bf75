#include "shell/mode_rules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <array>
#include <initializer_list>

namespace qf::shell {
namespace {

std::array<QCheckBox*, 4> Targets(const MainControls& c) {
    return {c.fileContent, c.fileName, c.fileExtension, c.folderName};
}

std::array<QRadioButton*, 3> KindRadios(const MainControls& c) {
    return {c.standardQuery, c.booleanQuery, c.microBoolean};
}

void SetKindOptions(Options& o, bool standard, bool boolean, bool micro) {
    o.SetInt(Opt::STANRADIO1, standard);
    o.SetInt(Opt::BOOLRADIO1, boolean);
    o.SetInt(Opt::MICROBOOLR, micro);
}

void CheckKind(const MainControls& c, QueryKind kind) {
    c.standardQuery->setChecked(kind == QueryKind::Standard);
    c.booleanQuery->setChecked(kind == QueryKind::Boolean);
    c.microBoolean->setChecked(kind == QueryKind::MicroBoolean);
}

// "Select FILE(s)" has no meaning when only folder names are searched.
void UpdateSelectFiles(const MainControls& c) {
    const bool filesMatter = c.fileName->isChecked() || c.fileExtension->isChecked() || c.fileContent->isChecked();
    c.Enable(c.selectFiles, filesMatter);
}

void ShowStandardBox(const MainControls& c, bool standard) {
    c.Enable(c.standardBox, standard);
    c.standardBox->setVisible(standard);
    c.Enable(c.booleanEditor, !standard);
    c.booleanEditor->setVisible(!standard);
}

}  // namespace

void ApplyByFileName(const MainControls& c, Options& o) {
    c.byFileName->setChecked(true);
    c.Enable(c.selectFiles, true);
    c.queryTextIn->setChecked(false);
    for (QCheckBox* target : Targets(c)) {
        target->setChecked(false);
        c.Enable(target, false);
    }
    c.Enable(c.textOptions, false);
    SetKindOptions(o, false, false, false);
    for (QRadioButton* radio : KindRadios(c)) {
        radio->setChecked(false);
        c.Enable(radio, false);
    }
    c.Enable(c.standardBox, false);
    c.standardBox->setVisible(true);
    c.Enable(c.booleanEditor, false);
    c.booleanEditor->setVisible(false);
    c.booleanAssistant->setChecked(false);
    c.Enable(c.booleanAssistant, false);
}

void ApplyQueryTextIn(const MainControls& c, Options& o) {
    c.byFileName->setChecked(false);
    c.queryTextIn->setChecked(true);
    for (QCheckBox* target : Targets(c)) {
        c.Enable(target, true);
        target->setChecked(target == c.fileContent);
    }
    c.Enable(c.textOptions, true);
    UpdateSelectFiles(c);
    SetKindOptions(o, true, false, false);
    for (QRadioButton* radio : KindRadios(c)) c.Enable(radio, true);
    CheckKind(c, QueryKind::Standard);
    ShowStandardBox(c, true);
    c.booleanAssistant->setChecked(false);
    c.Enable(c.booleanAssistant, false);
}

bool ApplyTargetClicked(const MainControls& c, Options& o) {
    bool any = false;
    for (QCheckBox* target : Targets(c)) any = any || target->isChecked();
    if (!any) {
        ApplyByFileName(c, o);
        return true;
    }
    UpdateSelectFiles(c);
    return false;
}

void ApplyQueryKind(const MainControls& c, Options& o, QueryKind kind) {
    const bool standard = kind == QueryKind::Standard;
    SetKindOptions(o, standard, kind == QueryKind::Boolean, kind == QueryKind::MicroBoolean);
    CheckKind(c, kind);
    ShowStandardBox(c, standard);
    c.booleanAssistant->setChecked(!standard);
    c.Enable(c.booleanAssistant, !standard);
    if (standard)
        c.standardBox->setFocus();
    else
        c.booleanEditor->setFocus();
}

void DisableForSearch(const MainControls& c) {
    for (QWidget* w : std::initializer_list<QWidget*>{c.modeGroup, c.optionsGroup, c.checkTavilan, c.search,
                                                      c.standardQuery, c.booleanQuery, c.microBoolean,
                                                      c.booleanAssistant, c.standardBox, c.booleanEditor,
                                                      c.clickGroup})
        c.Enable(w, false);
}

void RestoreAfterSearch(const MainControls& c, const Options& o) {
    for (QWidget* w : std::initializer_list<QWidget*>{c.modeGroup, c.byFileName, c.queryTextIn, c.search,
                                                      c.optionsGroup, c.selectFolders, c.selectFiles, c.textOptions,
                                                      c.dateTimeSize, c.checkTavilan, c.resultsGroup, c.clickGroup,
                                                      c.openPreview, c.openDefaultApp})
        c.Enable(w, true);
    const bool byName = o.On(Opt::STYDOSFILE);
    for (QCheckBox* target : Targets(c)) c.Enable(target, !byName);
    if (byName) c.Enable(c.textOptions, false);
    for (QRadioButton* radio : KindRadios(c)) {
        c.Enable(radio, !byName);
        if (byName) radio->setChecked(false);
    }
    if (!byName) {
        c.standardQuery->setChecked(o.On(Opt::STANRADIO1));
        c.booleanQuery->setChecked(o.On(Opt::BOOLRADIO1));
        c.microBoolean->setChecked(o.On(Opt::MICROBOOLR));
    }
    c.Enable(c.recordView, true);
    const bool onlyFolders = o.On(Opt::STYPFOLDER) && !o.On(Opt::STSTRGFILE) && !o.On(Opt::SSTRGFILEE) &&
                             !o.On(Opt::STYPESTEXT);
    if (onlyFolders) c.Enable(c.selectFiles, false);
    const bool booleanKind = o.On(Opt::BOOLRADIO1) || o.On(Opt::MICROBOOLR);
    if (o.On(Opt::STANRADIO1) || booleanKind) {
        c.Enable(c.standardBox, !booleanKind);
        c.Enable(c.booleanEditor, booleanKind);
        c.Enable(c.booleanAssistant, booleanKind);
    }
    c.Enable(c.statistics, true);
}

void ShowOptionsInControls(const MainControls& c, const Options& o) {
    const bool byName = o.On(Opt::STYDOSFILE);
    c.byFileName->setChecked(byName);
    c.queryTextIn->setChecked(!byName);
    c.fileContent->setChecked(!byName && o.On(Opt::STYPESTEXT));
    c.fileName->setChecked(!byName && o.On(Opt::STSTRGFILE));
    c.fileExtension->setChecked(!byName && o.On(Opt::SSTRGFILEE));
    c.folderName->setChecked(!byName && o.On(Opt::STYPFOLDER));
    c.openPreview->setChecked(!o.On(Opt::APPDEFRADO));
    c.openDefaultApp->setChecked(o.On(Opt::APPDEFRADO));
    c.standardBox->setEditText(QString::fromStdString(o.Text(Opt::FINDTEXTS1)));
    c.booleanEditor->setPlainText(QString::fromStdString(o.Text(Opt::FINDRICHED)));
    const bool booleanKind = !byName && (o.On(Opt::BOOLRADIO1) || o.On(Opt::MICROBOOLR));
    c.standardBox->setVisible(!booleanKind);
    c.booleanEditor->setVisible(booleanKind);
    c.booleanAssistant->setChecked(booleanKind);
    RestoreAfterSearch(c, o);
    if (byName) {
        c.Enable(c.standardBox, false);
        c.Enable(c.booleanEditor, false);
        c.Enable(c.booleanAssistant, false);
    }
}

void StoreControlsInOptions(const MainControls& c, Options& o) {
    const bool byName = c.byFileName->isChecked();
    o.SetInt(Opt::STYDOSFILE, byName);
    o.SetInt(Opt::STYPESTEXT, c.fileContent->isChecked());
    o.SetInt(Opt::STSTRGFILE, c.fileName->isChecked());
    o.SetInt(Opt::SSTRGFILEE, c.fileExtension->isChecked());
    o.SetInt(Opt::STYPFOLDER, c.folderName->isChecked());
    SetKindOptions(o, c.standardQuery->isChecked(), c.booleanQuery->isChecked(), c.microBoolean->isChecked());
    o.SetInt(Opt::APPSORRADO, c.openPreview->isChecked());
    o.SetInt(Opt::APPDEFRADO, c.openDefaultApp->isChecked());
    o.SetText(Opt::FINDTEXTS1, c.standardBox->currentText().toStdString());
    o.SetText(Opt::FINDRICHED, c.booleanEditor->toPlainText().toStdString());
}

}  // namespace qf::shell
