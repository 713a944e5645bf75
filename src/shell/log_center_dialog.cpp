#include "shell/log_center_dialog.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace qf::shell {

LogCenterDialog::LogCenterDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Show log files"));
    auto* layout = new QHBoxLayout(this);
    const std::pair<const char*, LogProcess> buttons[] = {
        {"Word Log", LogProcess::Word}, {"Pdf Log", LogProcess::Pdf}, {"Copy Log", LogProcess::Copy}, {"Unzip Log", LogProcess::Zip}};
    for (const auto& [caption, kind] : buttons) {
        auto* button = new QPushButton(QString::fromLatin1(caption));
        connect(button, &QPushButton::clicked, this, [this, k = kind] { emit showLog(k); });
        layout->addWidget(button);
    }
    auto* close = new QPushButton(QStringLiteral("CLOSE"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(close);
}

}  // namespace qf::shell
