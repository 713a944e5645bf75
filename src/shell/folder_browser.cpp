#include "shell/folder_browser.h"

#include <QDir>
#include <QFileDialog>

namespace qf::shell {

QString BrowseForFolder(QWidget* parent, const QString& startFolder) {
    const QString folder = QFileDialog::getExistingDirectory(
        parent, QStringLiteral("Browse Title"), startFolder.isEmpty() ? QDir::homePath() : startFolder,
        QFileDialog::ShowDirsOnly);
    return folder.isEmpty() ? QString() : QDir::cleanPath(folder);
}

}  // namespace qf::shell
