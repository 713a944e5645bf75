#include "shell/record_view_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTextDocumentFragment>
#include <QVBoxLayout>

namespace qf::shell {

RecordViewWindow::RecordViewWindow(QWidget* parent) : QDialog(parent, Qt::Tool) {
    setWindowTitle(QStringLiteral("Search results in record view."));
    setObjectName(QStringLiteral("recordView"));
    auto* fields = new QWidget;
    auto* grid = new QGridLayout(fields);
    for (int i = 0; i < kRecordViewFields; ++i) {
        auto* label = new QLabel(QString::fromLatin1(RecordViewLabels()[size_t(i)]));
        auto* value = new QLabel;
        value->setObjectName(QStringLiteral("recordValue%1").arg(i));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setTextFormat(i < 2 ? Qt::RichText : Qt::PlainText);
        value->setWordWrap(i < 2);
        grid->addWidget(label, i, 0, Qt::AlignTop);
        grid->addWidget(value, i, 1);
        values_[size_t(i)] = value;
    }
    grid->setColumnStretch(1, 1);
    auto* scroll = new QScrollArea;
    scroll->setWidget(fields);
    scroll->setWidgetResizable(true);
    auto* close = new QPushButton(QStringLiteral("CLOSE"));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll);
    layout->addWidget(close, 0, Qt::AlignRight);
    resize(620, 560);
}

void RecordViewWindow::ShowValues(const std::array<HitText, kRecordViewFields>& values) {
    for (int i = 0; i < kRecordViewFields; ++i) {
        const HitText& v = values[size_t(i)];
        values_[size_t(i)]->setText(i < 2 ? HitHtml(v) : QString::fromStdString(v.text));
    }
}

QString RecordViewWindow::ValueText(int field) const {
    const QLabel* label = values_[size_t(field)];
    return label->textFormat() == Qt::RichText ? QTextDocumentFragment::fromHtml(label->text()).toPlainText()
                                               : label->text();
}

}  // namespace qf::shell
