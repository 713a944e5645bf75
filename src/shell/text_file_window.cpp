#include "shell/text_file_window.h"

#include <QFile>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringDecoder>
#include <QVBoxLayout>

namespace qf::shell {
namespace {

// Reports are 8-bit text: UTF-8 where it is valid, else one character a byte.
QString Decoded(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

}  // namespace

TextFileWindow::TextFileWindow(QWidget* parent) : QDialog(parent, Qt::Window) {
    setObjectName(QStringLiteral("textFileWindow"));
    path_ = new QLabel;
    path_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text_ = new QPlainTextEdit;
    text_->setObjectName(QStringLiteral("fileText"));
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* close = new QPushButton(QStringLiteral("CLOSE"));
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(path_);
    layout->addWidget(text_, 1);
    layout->addWidget(close, 0, Qt::AlignRight);
    resize(800, 560);
}

bool TextFileWindow::ShowFile(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QString name = QString::fromStdString(path);
    setWindowTitle(name);
    path_->setText(name);
    text_->setPlainText(Decoded(file.readAll()).remove(QLatin1Char('\r')));
    show();
    raise();
    activateWindow();
    return true;
}

QString TextFileWindow::Text() const { return text_->toPlainText(); }

}  // namespace qf::shell
