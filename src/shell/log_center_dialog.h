#pragma once
// Dialog 148 "Show log files": one button per log viewer.

#include <QDialog>

#include "archive/process_log.h"

namespace qf::shell {

class LogCenterDialog : public QDialog {
    Q_OBJECT
public:
    // Buttons "wordLog", "pdfLog", "copyLog", "unzipLog" emit showLog; "close" closes.
    explicit LogCenterDialog(QWidget* parent = nullptr);

signals:
    void showLog(qf::LogProcess process);
};

}  // namespace qf::shell
