#pragma once
// Dialogs 113 "Settings for text delimiters" and 114 "Settings for comment
// charcters": an entry with "Add ", the Include and Exclude lists with their
// move and delete buttons, and "Confirm operations". The list rules live in
// textsearch/list_dialog_checks.h; this class only shows them.

#include <QDialog>
#include <QString>
#include <string>

#include "platform/user_messages.h"
#include "settings/options.h"
#include "textsearch/list_dialog_checks.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace qf::shell {

// What one of the two dialogs remembers between its openings in a program run.
struct ListEntryMemory {
    bool opened = false;   // the entry takes one more character after the first opening
    std::string entry;     // the entry's text when last closed with OK
};

struct TextListMemory {
    ListEntryMemory delimiters;
    ListEntryMemory comments;
};

class ListSettingsDialog : public QDialog {
    Q_OBJECT
public:
    ListSettingsDialog(ListDialogKind kind, Options& options, UserMessages& messages, ListEntryMemory& memory,
                       QWidget* parent = nullptr);

    ListDialogKind Kind() const { return kind_; }

    // OK and CANCEL both stay open while the Include list is empty.
    void accept() override;
    void reject() override;

private:
    QWidget* BuildLists();
    QWidget* BuildMoveButtons();
    QWidget* BuildEntryRow();
    void LoadFromOptions();
    ListDialogState State() const;
    bool EntryFits(const QString& text) const;
    void EntryEdited(const QString& text);
    void Add();
    void Move(bool toExclude, bool all);
    void Delete(bool all);

    ListDialogKind kind_;
    Options& options_;
    UserMessages& messages_;
    ListEntryMemory& memory_;
    size_t entryLimit_ = 1;
    QString acceptedEntry_;   // the last entry text within the limits
    QLineEdit* entry_ = nullptr;
    QListWidget* include_ = nullptr;
    QListWidget* exclude_ = nullptr;
    QListWidget* active_ = nullptr;   // the list last selected in: "Delete item " and "Remove all items " act on it
    QCheckBox* confirm_ = nullptr;
};

}  // namespace qf::shell
