#include "shell/truth_table_window.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

#include "textsearch/boolean_evaluation.h"

namespace qf::shell {
namespace {

struct Column {
    const char* function;  // the operator name the evaluation knows
    const char* upper;
    const char* lower;     // second heading line, empty for one-line headings
};

constexpr std::array<Column, 16> kColumns{{
    {".CONST_FALSE.", "CONST", "FALSE"}, {".AND.", "AND", ""},
    {".A_AND_NOT_B.", "A AND", "NOT B"}, {".IDENTITY_A.", "IDENTITY", "    A"},
    {".NOT_A_AND_B.", "NOT A", "AND B"}, {".IDENTITY_B.", "IDENTITY", "    B"},
    {".XOR.", "XOR", ""},                {".OR.", "OR", ""},
    {".NOR.", "NOR", ""},                {".XNOR.", "XNOR", ""},
    {".NOT_B.", "NOT B", ""},            {".A_OR_NOT_B.", "A OR", "NOT B"},
    {".NOT_A.", "NOT A", ""},            {".NOT_A_OR_B.", "NOT A", "OR B"},
    {".NAND.", "NAND", ""},              {".CONST_TRUE.", "CONST", "TRUE"},
}};

constexpr std::array<const char*, 4> kRows{"  0    0", "  0    1", "  1    0", "  1    1"};
constexpr int kBlockWidth = 8;

QLabel* Cell(const QString& text, const QString& name = {}) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont mono = label->font();
    mono.setStyleHint(QFont::Monospace);
    mono.setFamily(QStringLiteral("monospace"));
    label->setFont(mono);
    return label;
}

QString Heading(const Column& c) {
    const QString upper = QString::fromLatin1(c.upper);
    return *c.lower ? upper + "\n" + QString::fromLatin1(c.lower) : upper;
}

}  // namespace

TruthTableWindow::TruthTableWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("truthTableWindow"));
    setWindowTitle(QStringLiteral(
        "Boolean Truth Table - two arguments (excluding .NOT. operator, which is a function-operator of one "
        "argument)."));
    setModal(false);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildBlock(0));
    layout->addWidget(BuildBlock(kBlockWidth));
    layout->addWidget(buttons);
}

QWidget* TruthTableWindow::BuildBlock(int first) {
    auto* block = new QWidget;
    auto* grid = new QGridLayout(block);
    grid->setHorizontalSpacing(16);
    grid->addWidget(Cell(QStringLiteral("  A    B")), 0, 0);
    for (int row = 0; row < int(kRows.size()); ++row) grid->addWidget(Cell(QString::fromLatin1(kRows[row])), row + 1, 0);
    for (int f = first; f < first + kBlockWidth; ++f) {
        const Column& c = kColumns[f];
        const int column = f - first + 1;
        grid->addWidget(Cell(Heading(c), QStringLiteral("heading_%1").arg(f)), 0, column);
        const int code = OperatorCode(c.function);
        for (int row = 0; row < int(kRows.size()); ++row) {
            const int value = ApplyBinary(code, row >> 1, row & 1);
            grid->addWidget(Cell(QString::number(value), QStringLiteral("value_%1_%2").arg(f).arg(row)), row + 1,
                            column);
        }
    }
    return block;
}

QString TruthTableWindow::CellText(int function, int row) const {
    const auto* cell = findChild<QLabel*>(QStringLiteral("value_%1_%2").arg(function).arg(row));
    return cell ? cell->text() : QString();
}

QString TruthTableWindow::HeadingText(int function) const {
    const auto* cell = findChild<QLabel*>(QStringLiteral("heading_%1").arg(function));
    return cell ? cell->text() : QString();
}

}  // namespace qf::shell
