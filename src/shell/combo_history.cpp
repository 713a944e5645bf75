#include "shell/combo_history.h"

#include <QComboBox>

namespace qf::shell {

void ComboHistory::Remember(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return;
    texts_.removeAll(trimmed);
    texts_.prepend(trimmed);
    while (texts_.size() > kMaxHistoryTexts) texts_.removeLast();
}

QStringList ComboHistory::Items(const QStringList& extra) const {
    QStringList items = texts_;
    for (const QString& text : extra) {
        const QString trimmed = text.trimmed();
        if (!trimmed.isEmpty() && !items.contains(trimmed)) items << trimmed;
    }
    return items;
}

void ComboHistory::Replace(const QStringList& texts) {
    texts_.clear();
    for (auto it = texts.crbegin(); it != texts.crend(); ++it) Remember(*it);
}

void ComboHistory::Fill(QComboBox& box, const QStringList& extra, const QString& current) const {
    box.clear();
    box.addItems(Items(extra));
    box.setEditText(current);
}

}  // namespace qf::shell
