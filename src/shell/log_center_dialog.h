#pragma once
// Dialog 148 "Show log files": one button per log viewer.

#include <QDialog>

#include "shell/log_viewer_window.h"

namespace qf::shell {

class LogCenterDialog : public QDialog {
    Q_OBJECT
public:
    explicit LogCenterDialog(QWidget* parent = nullptr);

signals:
    void showLog(qf::shell::LogKind kind);
};

}  // namespace qf::shell
