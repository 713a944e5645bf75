#include "shell/list_editor.h"

#include <QListWidget>
#include <algorithm>
#include <vector>

namespace qf::shell {
namespace {

Message TooManyMessage(const ListEditorRules& rules) {
    return WarningMessage(rules.captionPrefix + "-2.", "Too many items selected.\n\nAction: Select less number of items.");
}

bool Confirmed(const ListEditorRules& rules, const char* question, UserMessages& messages) {
    if (!rules.confirm) return true;
    return messages.Show(QuestionMessage(rules.captionPrefix + "-1.", question)) == MsgAnswer::Yes;
}

// Rows of the selected items in list order.
std::vector<int> SelectedRows(const QListWidget& list) {
    std::vector<int> rows;
    for (int i = 0; i < list.count(); ++i)
        if (list.item(i)->isSelected()) rows.push_back(i);
    return rows;
}

bool TakenElsewhere(const QListWidget& target, const ListEditorRules& rules, const QString& text) {
    return ListHolds(target, text, rules.sameText) || (rules.third && ListHolds(*rules.third, text, rules.sameText));
}

void CopyItem(const QListWidgetItem& item, QListWidget& target) {
    AddListItem(target, item.text(), item.data(Qt::UserRole).toInt());
}

}  // namespace

bool ListHolds(const QListWidget& list, const QString& text, Qt::CaseSensitivity cs) {
    for (int i = 0; i < list.count(); ++i)
        if (list.item(i)->text().compare(text, cs) == 0) return true;
    return false;
}

void AddListItem(QListWidget& list, const QString& text, int value) {
    auto* item = new QListWidgetItem(text);
    item->setData(Qt::UserRole, value);
    list.addItem(item);
}

void MoveSelected(QListWidget& source, QListWidget& target, const ListEditorRules& rules, UserMessages& messages) {
    const std::vector<int> rows = SelectedRows(source);
    if (rows.empty()) return;
    if (rows.size() > size_t(kMaxSelectedItems)) {
        messages.Show(TooManyMessage(rules));
        return;
    }
    for (int row : rows)
        if (!TakenElsewhere(target, rules, source.item(row)->text())) CopyItem(*source.item(row), target);
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) delete source.takeItem(*it);
    if (source.count() > 0) source.setCurrentRow(0, QItemSelectionModel::NoUpdate);
}

void MoveAll(QListWidget& source, QListWidget& target, const ListEditorRules& rules) {
    for (int i = 0; i < source.count(); ++i)
        if (!TakenElsewhere(target, rules, source.item(i)->text())) CopyItem(*source.item(i), target);
    source.clear();
}

void DeleteSelected(QListWidget& list, const ListEditorRules& rules, UserMessages& messages) {
    const std::vector<int> rows = SelectedRows(list);
    if (rows.empty()) return;
    if (!Confirmed(rules, "Are you sure you want to delete selected item(s) from the list ?", messages)) return;
    if (rows.size() > size_t(kMaxSelectedItems)) {
        messages.Show(TooManyMessage(rules));
        return;
    }
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        const QString text = list.item(*it)->text();
        if (!rules.protectedItem.isEmpty() && text == rules.protectedItem) {
            messages.Show(WarningMessage(rules.captionPrefix + "-3.",
                                         "Impossible to delete :  \n          " + text.toStdString()));
            continue;
        }
        delete list.takeItem(*it);
    }
}

void DeleteAll(QListWidget& list, const ListEditorRules& rules, UserMessages& messages) {
    if (list.count() == 0) return;
    if (!Confirmed(rules, "Are you sure you want to delete all items from the list ?", messages)) return;
    const bool keep = !rules.protectedItem.isEmpty() && ListHolds(list, rules.protectedItem, Qt::CaseSensitive);
    list.clear();
    if (keep) AddListItem(list, rules.protectedItem);
}

}  // namespace qf::shell
