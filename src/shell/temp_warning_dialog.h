#pragma once
// Dialog 146: the warning shown before a search empties the temporary folders.

#include <QDialog>

class QCheckBox;
class QPushButton;

namespace qf::shell {

enum class TempWarningChoice { Quit, Continue, Closed };

class TempWarningDialog : public QDialog {
    Q_OBJECT
public:
    // `dontShowAgain` is the present WARNINGTMP.
    TempWarningDialog(bool dontShowAgain, QWidget* parent = nullptr);

    TempWarningChoice Choice() const { return choice_; }
    bool DontShowAgain() const;

signals:
    void smartCopyRequested();

private:
    TempWarningChoice choice_ = TempWarningChoice::Closed;
    QCheckBox* dontShow_ = nullptr;
};

}  // namespace qf::shell
