#include "shell/log_viewer_window.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "archive/log_viewer.h"

namespace qf::shell {
namespace {

const char* Caption(LogProcess process) {
    switch (process) {
        case LogProcess::Zip: return "See the Unzip log file";
        case LogProcess::Word: return "See the Word log file";
        case LogProcess::Pdf: return "See the Pdf log file";
        case LogProcess::Copy: return "See the Copy log file";
        case LogProcess::Office: return "See the Office log file";
    }
    return "";
}

QString FolderCaption(LogProcess process) {
    return QString::fromLatin1(process == LogProcess::Copy ? "Main Folder to copy :" : "Default Folder :");
}

}  // namespace

LogViewerWindow::LogViewerWindow(LogProcess process, QWidget* parent)
    : QDialog(parent, Qt::Tool), process_(process) {
    setWindowTitle(QString::fromLatin1(Caption(process)));
    folder_ = new QLabel(FolderCaption(process));
    text_ = new QPlainTextEdit;
    text_->setObjectName(QStringLiteral("logText"));
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* close = new QPushButton(QStringLiteral("CLOSE"));
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(folder_);
    layout->addWidget(text_);
    layout->addWidget(close, 0, Qt::AlignRight);
    resize(640, 420);
}

void LogViewerWindow::Refresh(const std::string& logFolder) {
    folder_->setText(FolderCaption(process_) + " " + QString::fromStdString(logFolder));
    text_->setPlainText(QString::fromStdString(LogViewerText(logFolder, process_)));
}

QString LogViewerWindow::Text() const { return text_->toPlainText(); }

}  // namespace qf::shell
