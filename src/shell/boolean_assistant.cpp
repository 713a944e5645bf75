#include "shell/boolean_assistant.h"

#include <QEvent>
#include <QShowEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>
#include <array>

#include "shell/dialog_parts.h"
#include "shell/help_pages.h"
#include "shell/truth_table_window.h"
#include "textsearch/boolean_evaluation.h"

namespace qf::shell {
namespace {

constexpr std::array<const char*, 7> kOperators{".AND.", ".OR.", ".NOT.", ".XOR.", ".NOR.", ".XNOR.", ".NAND."};
constexpr std::array<const char*, 4> kRows{"  0    0", "  0    1", "  1    0", "  1    1"};

QPushButton* Button(const QString& text, const QString& name) {
    auto* button = NamedButton(text, name);
    button->setAutoDefault(false);
    return button;
}

QLineEdit* ReadOnlyField(const QString& name) {
    auto* field = new QLineEdit;
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    return field;
}

}  // namespace

BooleanAssistant::BooleanAssistant(QTextEdit& editor, UserMessages& messages, QWidget* parent)
    : QDialog(parent), editor_(editor), messages_(messages) {
    setObjectName(QStringLiteral("booleanAssistant"));
    setWindowTitle(QStringLiteral("Boolean assistant for Boolean and Micro (line) Boolean Text Query."));
    setModal(false);
    truthTable_ = new TruthTableWindow(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildTermRow());
    layout->addWidget(BuildOperators());
    layout->addWidget(BuildTruthBox());
    layout->addWidget(BuildCommands());

    editor_.installEventFilter(this);
    FollowEditorEnabled();
}

void BooleanAssistant::SetHelpOpener(HelpOpener opener) { help_ = std::move(opener); }

QWidget* BooleanAssistant::BuildTermRow() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    term_ = new QLineEdit;
    term_->setObjectName(QStringLiteral("termField"));
    term_->setToolTip(QStringLiteral("A term, or a phrase with its marks."));
    auto* add = Button(QStringLiteral("Add "), QStringLiteral("add"));
    connect(add, &QPushButton::clicked, this, &BooleanAssistant::AddTerm);
    connect(term_, &QLineEdit::returnPressed, this, &BooleanAssistant::AddTerm);
    layout->addWidget(term_, 1);
    layout->addWidget(add);
    inserters_ << term_ << add;
    return row;
}

QWidget* BooleanAssistant::BuildOperators() {
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* left = Button(QStringLiteral(" ( "), QStringLiteral("leftBracket"));
    auto* right = Button(QStringLiteral(" ) "), QStringLiteral("rightBracket"));
    connect(left, &QPushButton::clicked, this, [this] { Append(QStringLiteral(" ("), true); });
    connect(right, &QPushButton::clicked, this, [this] { Append(QStringLiteral(" )"), true); });
    grid->addWidget(left, 0, 0);
    grid->addWidget(right, 1, 0);
    inserters_ << left << right;
    int i = 0;
    for (const char* op : kOperators) {
        const QString name = QString::fromLatin1(op);
        auto* button = Button(" " + name + " ", "op" + QString(name).remove('.'));
        connect(button, &QPushButton::clicked, this, [this, name] {
            Append(" " + name + " ", false);
            ShowOperator(name);
        });
        grid->addWidget(button, i % 2, 1 + i / 2);
        inserters_ << button;
        ++i;
    }
    return box;
}

QWidget* BooleanAssistant::BuildTruthBox() {
    auto* box = new QGroupBox(QStringLiteral("Current Truth Table "));
    auto* form = new QFormLayout(box);
    truthName_ = ReadOnlyField(QStringLiteral("truthName"));
    form->addRow(QStringLiteral("  A    B"), truthName_);
    for (int row = 0; row < int(kRows.size()); ++row) {
        QLineEdit* value = ReadOnlyField(QStringLiteral("truthValue%1").arg(row));
        truthValues_ << value;
        form->addRow(QString::fromLatin1(kRows[row]), value);
    }
    return box;
}

QWidget* BooleanAssistant::BuildCommands() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* syntax = Button(QStringLiteral("Syntax"), QStringLiteral("syntax"));
    auto* examples = Button(QStringLiteral("Examples"), QStringLiteral("examples"));
    auto* table = Button(QStringLiteral("Truth Table"), QStringLiteral("truthTable"));
    auto* close = Button(QStringLiteral("Close"), QStringLiteral("close"));
    connect(syntax, &QPushButton::clicked, this, [this] {
        if (help_) help_(kTopicBooleanSyntax, 263);
    });
    connect(examples, &QPushButton::clicked, this, [this] {
        if (help_) help_(kTopicExamples, 204);
    });
    connect(table, &QPushButton::clicked, this, [this] {
        truthTable_->show();
        truthTable_->raise();
        truthTable_->activateWindow();
    });
    connect(close, &QPushButton::clicked, this, &BooleanAssistant::reject);
    for (QPushButton* b : {syntax, examples, table, close}) layout->addWidget(b);
    return row;
}

// Opened afresh, not when the desktop restores it from an icon.
void BooleanAssistant::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) Clear();
}

void BooleanAssistant::Clear() {
    term_->clear();
    truthName_->clear();
    for (QLineEdit* value : truthValues_) value->clear();
    term_->setFocus();
}

void BooleanAssistant::reject() {
    hide();
    editor_.setFocus();
    emit closed();
}

void BooleanAssistant::AddTerm() {
    const QString term = term_->text().trimmed();
    if (term.isEmpty()) {
        messages_.Show(WarningMessage("Warning !    Msg no: 0207.",
                                      "Empty field !!!\n\nAction : You must enter a term or phrase."));
        return;
    }
    Append(" " + term, true);
}

// Appends at the end as an ordinary edit, so that it can be undone.
void BooleanAssistant::Append(const QString& text, bool blankTerm) {
    if (!editor_.isEnabled()) return;
    QTextCursor cursor(editor_.document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
    editor_.setTextCursor(cursor);
    if (blankTerm) term_->setText(QStringLiteral(" "));
    term_->setFocus();
}

void BooleanAssistant::ShowOperator(const QString& name) {
    const int code = OperatorCode(name.toStdString());
    const bool binary = code != kOperatorNot;
    truthName_->setText(binary ? name : QString());
    for (int row = 0; row < truthValues_.size(); ++row)
        truthValues_[row]->setText(binary ? QString::number(ApplyBinary(code, row >> 1, row & 1)) : QString());
}

// While the editor is disabled (a search runs, or no Boolean query kind is
// chosen) the assistant must not change the query behind its back.
bool BooleanAssistant::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &editor_ && event->type() == QEvent::EnabledChange) FollowEditorEnabled();
    return QDialog::eventFilter(watched, event);
}

void BooleanAssistant::FollowEditorEnabled() {
    for (QWidget* w : inserters_) w->setEnabled(editor_.isEnabled());
}

}  // namespace qf::shell
