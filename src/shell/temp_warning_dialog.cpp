#include "shell/temp_warning_dialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qf::shell {

TempWarningDialog::TempWarningDialog(bool dontShowAgain, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Warning to delete temporary folders and files."));
    setObjectName(QStringLiteral("tempWarning"));
    auto* text = new QLabel(QStringLiteral(
        "A new search deletes the converted documents, the unzipped files and the logs of the last search.\n"
        "Copy what you want to keep with Smart Copy first."));
    dontShow_ = new QCheckBox(QStringLiteral("Do not show this dialog again."));
    dontShow_->setObjectName(QStringLiteral("dontShowAgain"));
    dontShow_->setChecked(dontShowAgain);
    auto* quit = new QPushButton(QStringLiteral("1. Quit"));
    auto* smartCopy = new QPushButton(QStringLiteral("2. Smart Copy"));
    auto* go = new QPushButton(QStringLiteral("3. Continue"));
    quit->setObjectName(QStringLiteral("quit"));
    smartCopy->setObjectName(QStringLiteral("smartCopy"));
    go->setObjectName(QStringLiteral("continue"));
    go->setDefault(true);
    connect(quit, &QPushButton::clicked, this, [this] {
        choice_ = TempWarningChoice::Quit;
        accept();
    });
    connect(smartCopy, &QPushButton::clicked, this, &TempWarningDialog::smartCopyRequested);
    connect(go, &QPushButton::clicked, this, [this] {
        choice_ = TempWarningChoice::Continue;
        accept();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(quit);
    buttons->addWidget(smartCopy);
    buttons->addWidget(go);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(dontShow_);
    layout->addLayout(buttons);
}

bool TempWarningDialog::DontShowAgain() const { return dontShow_->isChecked(); }

}  // namespace qf::shell
