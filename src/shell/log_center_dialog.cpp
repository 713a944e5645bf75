#include "shell/log_center_dialog.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace qf::shell {

LogCenterDialog::LogCenterDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Show log files"));
    auto* layout = new QHBoxLayout(this);
    struct LogButton {
        const char* caption;
        const char* name;
        LogProcess process;
    };
    const LogButton buttons[] = {{"Word Log", "wordLog", LogProcess::Word},
                                 {"Pdf Log", "pdfLog", LogProcess::Pdf},
                                 {"Copy Log", "copyLog", LogProcess::Copy},
                                 {"Unzip Log", "unzipLog", LogProcess::Zip}};
    for (const auto& [caption, name, kind] : buttons) {
        auto* button = new QPushButton(QString::fromLatin1(caption));
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, k = kind] { emit showLog(k); });
        layout->addWidget(button);
    }
    auto* close = new QPushButton(QStringLiteral("CLOSE"));
    close->setObjectName(QStringLiteral("close"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(close);
}

}  // namespace qf::shell
