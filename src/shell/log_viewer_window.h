#pragma once
// Tool windows 139 to 142: the final log of the last search's unzip, Word and
// PDF work, and of the last smart copy.

#include <QDialog>
#include <string>

class QLabel;
class QPlainTextEdit;

namespace qf::shell {

enum class LogKind { Unzip, Word, Pdf, Copy };

// The final log's file name in the log folder.
const char* FinalLogName(LogKind kind);

// What a viewer shows for a final log. Kept here until the archive layer
// offers its own reader of the logs.
std::string LogViewerText(const std::string& logPath, LogKind kind);

class LogViewerWindow : public QDialog {
    Q_OBJECT
public:
    LogViewerWindow(LogKind kind, std::string logFolder, QWidget* parent = nullptr);

    // Reads the log again and shows it.
    void Refresh();
    QString Text() const;

private:
    LogKind kind_;
    std::string logFolder_;
    QPlainTextEdit* text_ = nullptr;
};

}  // namespace qf::shell
