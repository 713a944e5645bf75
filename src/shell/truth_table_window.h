#pragma once
// Window 152: the sixteen two-argument functions of the Boolean query, in two
// blocks of eight, with their values computed by the evaluation itself.
// Cells are labels named "value_F_R" (function F 0-15 in table order, row R
// 0-3 for A B = 0 0, 0 1, 1 0, 1 1) and "heading_F".

#include <QDialog>

class QGridLayout;

namespace qf::shell {

class TruthTableWindow : public QDialog {
    Q_OBJECT
public:
    explicit TruthTableWindow(QWidget* parent = nullptr);

    QString CellText(int function, int row) const;
    QString HeadingText(int function) const;

private:
    QWidget* BuildBlock(int first);
};

}  // namespace qf::shell
