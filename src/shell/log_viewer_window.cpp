#include "shell/log_viewer_window.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <fstream>

#include "platform/paths.h"

namespace qf::shell {
namespace {

const char* Caption(LogKind kind) {
    switch (kind) {
        case LogKind::Unzip: return "See the Unzip log file";
        case LogKind::Word: return "See the Word log file";
        case LogKind::Pdf: return "See the Pdf log file";
        case LogKind::Copy: return "See the Copy log file";
    }
    return "";
}

bool IsBlank(const std::string& text) { return text.find_first_not_of(" \t\r\n") == std::string::npos; }

}  // namespace

const char* FinalLogName(LogKind kind) {
    switch (kind) {
        case LogKind::Unzip: return "ZipDefault.log";
        case LogKind::Word: return "WordDefault.log";
        case LogKind::Pdf: return "Pdfdefault.log";
        case LogKind::Copy: return "Copydefault.log";
    }
    return "";
}

std::string LogViewerText(const std::string& logPath, LogKind kind) {
    const bool copy = kind == LogKind::Copy;
    std::ifstream in(logPath, std::ios::binary);
    if (!in) return copy ? " No copy process was performed." : " No search action was performed.";
    std::string text;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        text += line + "\n";
    }
    if (IsBlank(text)) return copy ? " No errors occur during the copy process." : " No errors occur during the search process.";
    return text;
}

LogViewerWindow::LogViewerWindow(LogKind kind, std::string logFolder, QWidget* parent)
    : QDialog(parent, Qt::Tool), kind_(kind), logFolder_(std::move(logFolder)) {
    setWindowTitle(QString::fromLatin1(Caption(kind)));
    const bool copy = kind == LogKind::Copy;
    auto* folder = new QLabel(QString::fromLatin1(copy ? "Main Folder to copy :" : "Default Folder :") + " " +
                              QString::fromStdString(logFolder_));
    text_ = new QPlainTextEdit;
    text_->setObjectName(QStringLiteral("logText"));
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* close = new QPushButton(QStringLiteral("CLOSE"));
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(folder);
    layout->addWidget(text_);
    layout->addWidget(close, 0, Qt::AlignRight);
    resize(640, 420);
}

void LogViewerWindow::Refresh() {
    text_->setPlainText(QString::fromStdString(LogViewerText(JoinPath(logFolder_, FinalLogName(kind_)), kind_)));
}

QString LogViewerWindow::Text() const { return text_->toPlainText(); }

}  // namespace qf::shell
