#pragma once
// Tool window 135: every column of the clicked row beside its label.

#include <QDialog>
#include <string>
#include <vector>

#include "results/record_view.h"

class QTextEdit;

namespace qf::shell {

class RecordViewWindow : public QDialog {
    Q_OBJECT
public:
    explicit RecordViewWindow(QWidget* parent = nullptr);

    void ShowRecord(const RecordViewText& record);
    // The value beside label `field`; empty when the record has none there.
    QString ValueText(int field) const;
    QTextEdit& Text() const { return *text_; }

private:
    QTextEdit* labels_ = nullptr;
    QTextEdit* text_ = nullptr;
    std::vector<std::string> values_;
};

}  // namespace qf::shell
