#pragma once
// Dialog 119 "Folders settings": the Include, Temporary and Exclude folder
// lists, the subfolder walk and the two TERM(S) rules on folder names.

#include <QDialog>

#include "platform/user_messages.h"
#include "settings/options.h"
#include "shell/folder_browser.h"

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace qf::shell {

// Adds a folder to the Include list of the options (DIRECTORIS) with the
// dialog's checks: 0130 when it is there already, 0134 when it is excluded.
// False after the warning.
bool IncludeFolder(Options& options, const QString& folder, UserMessages& messages);

class FoldersDialog : public QDialog {
    Q_OBJECT
public:
    FoldersDialog(Options& options, UserMessages& messages, FolderChooser chooser, QWidget* parent = nullptr);

    // OK: the lists and rules go into the options.
    void accept() override;

private:
    enum class List { Include, Temporary, Exclude };

    QWidget* BuildListColumn(List which, const QString& caption);
    QWidget* BuildMoveButtons(List other);
    QWidget* BuildRules();
    QListWidget& ListOf(List which);
    void AddFolder(List which);
    bool RefuseDuplicate(List which, const QString& folder);
    void DeleteFolders(List which, bool all);
    void MoveFolders(List from, List to, bool all);
    void LoadFromOptions();

    Options& options_;
    UserMessages& messages_;
    FolderChooser chooser_;
    QListWidget* include_ = nullptr;
    QListWidget* temporary_ = nullptr;
    QListWidget* exclude_ = nullptr;
    QCheckBox* subfolders_ = nullptr;
    QCheckBox* confirm_ = nullptr;
    QCheckBox* includeRule_ = nullptr;
    QLineEdit* includeTerms_ = nullptr;
    QCheckBox* excludeRule_ = nullptr;
    QLineEdit* excludeTerms_ = nullptr;
};

}  // namespace qf::shell
