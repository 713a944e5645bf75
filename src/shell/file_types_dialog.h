#pragma once
// Dialog 123 "File name(s) and type(s) settings": file-name patterns or the
// type rule with its Include/Exclude type lists, the ZIP names to unzip and
// the two TERM(S) rules on file names.
//
// Keep one instance for the program's run: its two combo boxes remember the
// accepted texts, and every showing reloads the controls from the options.

#include <QDialog>

#include "engine/file_dialog.h"
#include "platform/user_messages.h"
#include "settings/options.h"
#include "shell/combo_history.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace qf::shell {

// The file-name patterns a search uses now: "*.*" when none are set or the
// types decide; a pattern holding a blank is enclosed in the separator mark.
QString ActiveFilePatterns(const Options& options);

class FileTypesDialog : public QDialog {
    Q_OBJECT
public:
    FileTypesDialog(Options& options, UserMessages& messages, QWidget* parent = nullptr);

    // Sets every control from the options (also done on each showing).
    void LoadFromOptions();

    // OK: the checks run in order; the options change only when all pass.
    void accept() override;

    // The drop-down lists of the file-names and ZIP-names boxes, as the search
    // terms file keeps them, and their restoring from that file.
    std::vector<std::string> FileNameItems() const;
    std::vector<std::string> ZipNameItems() const;
    void RestoreDropDowns(const std::vector<std::string>& fileNames, const std::vector<std::string>& zipNames);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* BuildNames();
    QWidget* BuildTypeChoice();
    QWidget* BuildTypeLists();
    QWidget* BuildTermRules();
    QWidget* BuildButtons();

    void AddType();
    void MoveTypes(bool toExclude, bool all);
    void DeleteTypes(bool all);
    void IncludeListChanged();
    void RefillSelectOne(const QString& keep, int fallback);
    void ChooseByTypes();
    void UpdateEnabling();
    FileDialogValues ValuesFromControls() const;
    TypeChoice ChosenTypes() const;

    Options& options_;
    UserMessages& messages_;
    ComboHistory fileNameHistory_;
    ComboHistory zipHistory_;

    QCheckBox* unzip_ = nullptr;
    QComboBox* zipNames_ = nullptr;
    QRadioButton* byNames_ = nullptr;
    QRadioButton* byTypes_ = nullptr;
    QComboBox* fileNames_ = nullptr;
    QRadioButton* allTypes_ = nullptr;
    QRadioButton* exceptExcluded_ = nullptr;
    QRadioButton* includedOnly_ = nullptr;
    QRadioButton* selectOne_ = nullptr;
    QComboBox* selectOneType_ = nullptr;
    QLineEdit* typeEdit_ = nullptr;
    QListWidget* include_ = nullptr;
    QListWidget* exclude_ = nullptr;
    QCheckBox* confirm_ = nullptr;
    QCheckBox* includeRule_ = nullptr;
    QLineEdit* includeTerms_ = nullptr;
    QCheckBox* excludeRule_ = nullptr;
    QLineEdit* excludeTerms_ = nullptr;
};

}  // namespace qf::shell
