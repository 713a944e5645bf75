#include "shell/record_view_window.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QVBoxLayout>

#include "shell/view_text_edit.h"

namespace qf::shell {
namespace {

// Each value stands two lines below the previous one, from line 1 on; the
// labels take the same lines.
QString LabelColumn() {
    QString text;
    for (std::string_view label : kRecordViewLabels) text += QStringLiteral("\n") + QString::fromLatin1(label) + "\n";
    return text;
}

QTextEdit* ColumnEdit(const QFont& font) {
    auto* edit = new QTextEdit;
    edit->setFont(font);
    edit->setReadOnly(true);
    edit->setLineWrapMode(QTextEdit::NoWrap);
    return edit;
}

}  // namespace

RecordViewWindow::RecordViewWindow(QWidget* parent) : QDialog(parent, Qt::Tool) {
    setWindowTitle(QStringLiteral("Search results in record view."));
    setObjectName(QStringLiteral("recordView"));
    const QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    labels_ = ColumnEdit(font);
    labels_->setPlainText(LabelColumn());
    labels_->setFrameShape(QFrame::NoFrame);
    labels_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    labels_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);  // same height as the text's viewport
    labels_->setFixedWidth(labels_->fontMetrics().horizontalAdvance(QStringLiteral("Archive Working File/Subf. Name :")) + 24);
    text_ = ColumnEdit(font);
    text_->setObjectName(QStringLiteral("recordText"));
    text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(text_->verticalScrollBar(), &QScrollBar::valueChanged, labels_->verticalScrollBar(), &QScrollBar::setValue);

    auto* columns = new QHBoxLayout;
    columns->addWidget(labels_);
    columns->addWidget(text_, 1);
    auto* close = new QPushButton(QStringLiteral("CLOSE"));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(close, 0, Qt::AlignRight);
    resize(720, 600);
}

void RecordViewWindow::ShowRecord(const RecordViewText& record) {
    values_ = record.values;
    ShowViewText(*text_, record);
    labels_->verticalScrollBar()->setValue(text_->verticalScrollBar()->value());
}

QString RecordViewWindow::ValueText(int field) const {
    if (field < 0 || size_t(field) >= values_.size()) return {};
    return QString::fromStdString(values_[size_t(field)]);
}

}  // namespace qf::shell
