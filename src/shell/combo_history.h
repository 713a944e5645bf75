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
    // The texts the box shows: the history, then the extra texts it lacks.
    QStringList Items(const QStringList& extra) const;
    // Takes the texts of a saved drop-down list, first on top.
    void Replace(const QStringList& texts);
    const QStringList& Texts() const { return texts_; }

private:
    QStringList texts_;
};

}  // namespace qf::shell
