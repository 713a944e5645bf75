#pragma once
// Tool window 134: buttons that write terms, brackets and operators into the
// main window's Boolean query editor, with the truth table of the last binary
// operator and the way to the syntax help and the full truth table.
// Controls: "termField", "add", "leftBracket", "rightBracket", "op" + the
// operator's name ("opAND", "opNOT", ...), "truthName", "truthValue0" to
// "truthValue3", "syntax", "examples", "truthTable", "close".

#include <QDialog>
#include <functional>

#include "platform/user_messages.h"

class QLineEdit;
class QTextEdit;

namespace qf::shell {

class TruthTableWindow;

// Opens a help topic; on failure shows the help message with the number.
using HelpOpener = std::function<bool(int topic, int messageNumber)>;

class BooleanAssistant : public QDialog {
    Q_OBJECT
public:
    BooleanAssistant(QTextEdit& editor, UserMessages& messages, QWidget* parent = nullptr);

    void SetHelpOpener(HelpOpener opener);
    TruthTableWindow& TruthTable() { return *truthTable_; }

    // Close: hides the window, gives the editor the focus and emits closed().
    void reject() override;

signals:
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildTermRow();
    QWidget* BuildOperators();
    QWidget* BuildTruthBox();
    QWidget* BuildCommands();
    void Clear();
    void AddTerm();
    // blankTerm: the term field is set to one blank for the next term.
    void Append(const QString& text, bool blankTerm);
    void ShowOperator(const QString& name);
    void FollowEditorEnabled();

    QTextEdit& editor_;
    UserMessages& messages_;
    HelpOpener help_;
    TruthTableWindow* truthTable_ = nullptr;
    QLineEdit* term_ = nullptr;
    QLineEdit* truthName_ = nullptr;
    QList<QLineEdit*> truthValues_;
    QList<QWidget*> inserters_;  // the controls that write into the editor
};

}  // namespace qf::shell
