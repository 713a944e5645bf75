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

void ComboHistory::Fill(QComboBox& box, const QStringList& extra, const QString& current) const {
    QStringList items = texts_;
    for (const QString& text : extra) {
        const QString trimmed = text.trimmed();
        if (!trimmed.isEmpty() && !items.contains(trimmed)) items << trimmed;
    }
    box.clear();
    box.addItems(items);
    box.setEditText(current);
}

}  // namespace qf::shell
