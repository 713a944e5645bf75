#pragma once
// Tool windows 139 to 142: the final log of the last search's unzip, Word and
// PDF work, and of the last smart copy.

#include <QDialog>
#include <string>

#include "archive/process_log.h"

class QLabel;
class QPlainTextEdit;

namespace qf::shell {

class LogViewerWindow : public QDialog {
    Q_OBJECT
public:
    explicit LogViewerWindow(LogProcess process, QWidget* parent = nullptr);

    // Reads the final log from the log folder again and shows it.
    void Refresh(const std::string& logFolder);
    QString Text() const;

private:
    LogProcess process_;
    QLabel* folder_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
};

}  // namespace qf::shell
