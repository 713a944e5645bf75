#pragma once
// Tool window 135: every column of the clicked row beside its label.

#include <QDialog>
#include <array>

#include "shell/record_view_text.h"

class QLabel;

namespace qf::shell {

class RecordViewWindow : public QDialog {
    Q_OBJECT
public:
    explicit RecordViewWindow(QWidget* parent = nullptr);

    void ShowValues(const std::array<HitText, kRecordViewFields>& values);
    QString ValueText(int field) const;

private:
    std::array<QLabel*, kRecordViewFields> values_{};
};

}  // namespace qf::shell
