#pragma once
// Dialog 112 "Text options": case, the file and line rules of the standard
// query, whole/part matching with its delimiters, the phrase mark, the start
// and stop conditions, the comment rule and the hit-line limits. Opens the
// delimiter and comment-string dialogs.

#include <QDialog>
#include <functional>
#include <utility>
#include <vector>

#include "platform/user_messages.h"
#include "settings/options.h"
#include "shell/list_settings_dialog.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace qf::shell {

class TextOptionsDialog : public QDialog {
    Q_OBJECT
public:
    TextOptionsDialog(Options& options, UserMessages& messages, QWidget* parent = nullptr);

    // The entry texts of the two list dialogs outlive this dialog: pass the
    // main window's memory so they come back at the next opening.
    void UseListMemory(TextListMemory& memory) { memory_ = &memory; }

    // Runs a list dialog modally and returns its result; tests replace it to
    // drive the dialog without a nested event loop.
    std::function<int(ListSettingsDialog&)> runListDialog;

    // OK: the checks in order, then the values become the options.
    void accept() override;

private:
    QGroupBox* BuildFileMode();
    QGroupBox* BuildOneLine();
    QGroupBox* BuildWholePart();
    QGroupBox* BuildDelimiters();
    QGroupBox* BuildMark();
    QGroupBox* BuildCondition(bool start);
    QGroupBox* BuildComments();
    QGroupBox* BuildLimits();
    QRadioButton* Radio(QButtonGroup* group, const QString& caption, const char* name, Opt option);
    void ConnectRules();
    void LoadFromOptions();
    void LoadChoices();
    void FillSelector(QComboBox& combo, Opt map, const QString& keep);
    void UpdateEnabling();
    void FileModeChosen();
    void OneLineToggled(bool on);
    void LimitEdited(QLineEdit& field, bool runLimit);
    void OpenListDialog(ListDialogKind kind);
    void StoreValues();

    Options& options_;
    UserMessages& messages_;
    TextListMemory ownMemory_;
    TextListMemory* memory_ = &ownMemory_;
    std::vector<std::pair<QRadioButton*, Opt>> radioOptions_;

    QCheckBox* caseSensitive_ = nullptr;
    QCheckBox* officeDocs_ = nullptr;  // CONVOFFICE
    QCheckBox* regexTerms_ = nullptr;  // REGEXTERMS
    QButtonGroup* fileMode_ = nullptr;
    QRadioButton* allWords_ = nullptr;
    QRadioButton* anyWords_ = nullptr;
    QRadioButton* notContain_ = nullptr;
    QCheckBox* oneLine_ = nullptr;
    QButtonGroup* order_ = nullptr;
    QRadioButton* anyOrder_ = nullptr;
    QRadioButton* givenOrder_ = nullptr;
    QButtonGroup* wholePart_ = nullptr;
    QRadioButton* bothParts_ = nullptr;
    QRadioButton* wholeOnly_ = nullptr;
    QRadioButton* partOnly_ = nullptr;
    QButtonGroup* delimiterChoice_ = nullptr;
    QRadioButton* includedDelimiters_ = nullptr;
    QRadioButton* oneDelimiter_ = nullptr;
    QComboBox* delimiterCombo_ = nullptr;
    QComboBox* markCombo_ = nullptr;
    QCheckBox* startCheck_ = nullptr;
    QButtonGroup* startBy_ = nullptr;
    QRadioButton* startByLine_ = nullptr;
    QRadioButton* startByTerm_ = nullptr;
    QLineEdit* startLine_ = nullptr;
    QLineEdit* startTerm_ = nullptr;
    QCheckBox* stopCheck_ = nullptr;
    QButtonGroup* stopBy_ = nullptr;
    QRadioButton* stopByLine_ = nullptr;
    QRadioButton* stopByTerm_ = nullptr;
    QLineEdit* stopLine_ = nullptr;
    QLineEdit* stopTerm_ = nullptr;
    QCheckBox* commentCheck_ = nullptr;
    QButtonGroup* commentShow_ = nullptr;
    QRadioButton* notShowComments_ = nullptr;
    QRadioButton* onlyComments_ = nullptr;
    QRadioButton* bothComments_ = nullptr;
    QButtonGroup* commentChoice_ = nullptr;
    QRadioButton* includedComments_ = nullptr;
    QRadioButton* oneComment_ = nullptr;
    QComboBox* commentCombo_ = nullptr;
    QLineEdit* fileLimit_ = nullptr;
    QLineEdit* runLimit_ = nullptr;
    QButtonGroup* display_ = nullptr;
    QRadioButton* displayAtOnce_ = nullptr;
    QRadioButton* displayOneByOne_ = nullptr;
};

}  // namespace qf::shell
