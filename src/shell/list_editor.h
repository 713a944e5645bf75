#pragma once
// The include/exclude list pair shared by the option dialogs: moving,
// deleting and emptying list items. Each item's value (Qt::UserRole) moves
// with its text. Messages take the caller's caption prefix with "-1.", "-2."
// or "-3." appended.

#include <QString>
#include <string>

#include "platform/user_messages.h"

class QListWidget;

namespace qf::shell {

constexpr int kMaxSelectedItems = 512;

struct ListEditorRules {
    std::string captionPrefix;       // e.g. "Warning !    Msg no: 0169"
    bool confirm = false;            // ask before deleting
    QString protectedItem;           // never deleted; empty for none
    QListWidget* third = nullptr;    // a list whose texts are not taken either
    Qt::CaseSensitivity sameText = Qt::CaseInsensitive;
};

bool ListHolds(const QListWidget& list, const QString& text, Qt::CaseSensitivity cs);
void AddListItem(QListWidget& list, const QString& text, int value = 0);

void MoveSelected(QListWidget& source, QListWidget& target, const ListEditorRules& rules, UserMessages& messages);
void MoveAll(QListWidget& source, QListWidget& target, const ListEditorRules& rules);
void DeleteSelected(QListWidget& list, const ListEditorRules& rules, UserMessages& messages);
void DeleteAll(QListWidget& list, const ListEditorRules& rules, UserMessages& messages);

}  // namespace qf::shell
