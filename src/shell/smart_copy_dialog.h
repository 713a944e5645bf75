#pragma once
// Dialog 137 "Copy results to the selected folder": copies the result files
// and the converted texts of the last search into a chosen folder, showing
// its progress, and keeps the program-wide list of destinations.

#include <QDialog>
#include <string>
#include <vector>

#include "engine/session.h"
#include "platform/user_messages.h"
#include "smartcopy/copy_info.h"
#include "shell/folder_browser.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace qf::shell {

class SmartCopyDialog : public QDialog {
    Q_OBJECT
public:
    SmartCopyDialog(Session& session, UserMessages& messages, FolderChooser chooser, QWidget* parent = nullptr);

    // CLOSE: the boxes, groups, destination and destination list go into the
    // options and the session; the close box and Escape store nothing.
    void accept() override;
    void reject() override;

    // The Copy button's command.
    void Copy();

signals:
    // "View Log": the copy log viewer is to be shown.
    void viewLog();

private:
    class Progress;

    QWidget* BuildKinds();
    QWidget* BuildDestination();
    QWidget* BuildLayouts();
    QWidget* BuildCollisions();
    QWidget* BuildProgress();
    QWidget* BuildButtons();
    void LoadFromOptions();
    void ShowTotals();
    void SelectFolder();
    void ShowTemporaryFolders();
    void RememberTypedDestination();
    void StoreDestinations();
    void StoreChoices(Options& options) const;

    Session& session_;
    UserMessages& messages_;
    FolderChooser chooser_;
    _OsszCopyInfo_Struct info_;
    std::vector<std::string> destinations_;
    bool copying_ = false;

    QCheckBox* results_ = nullptr;
    QCheckBox* word_ = nullptr;
    QCheckBox* pdf_ = nullptr;
    QLineEdit* totalFiles_ = nullptr;
    QLineEdit* totalBytes_ = nullptr;
    QComboBox* destination_ = nullptr;
    QCheckBox* deleteBefore_ = nullptr;
    QRadioButton* oneFolder_ = nullptr;
    QRadioButton* typeFolders_ = nullptr;
    QRadioButton* folderTree_ = nullptr;
    QRadioButton* overwrite_ = nullptr;
    QRadioButton* increaseNames_ = nullptr;
    QRadioButton* increaseExtensions_ = nullptr;
    QLineEdit* copyFrom_ = nullptr;
    QLineEdit* copyTo_ = nullptr;
    QLineEdit* copiedFiles_ = nullptr;
    QLineEdit* bytesCopied_ = nullptr;
};

}  // namespace qf::shell
