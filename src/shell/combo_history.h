#pragma once
// The drop-down list of an editable combo box: texts accepted earlier in this
// program's run, most recent first, each once.

#include <QStringList>

class QComboBox;

namespace qf::shell {

constexpr int kMaxHistoryTexts = 25;

class ComboHistory {
public:
    // Puts an accepted text on top; a blank text is not remembered.
    void Remember(const QString& text);
    // Fills the box with the history followed by the extra texts it lacks,
    // and shows `current` in the edit field.
    void Fill(QComboBox& box, const QStringList& extra, const QString& current) const;
    const QStringList& Texts() const { return texts_; }

private:
    QStringList texts_;
};

}  // namespace qf::shell
