#pragma once
// The shared folder chooser ("Browse Title"), limited to folders.

#include <QString>
#include <functional>

class QWidget;

namespace qf::shell {

// The chosen folder's path, or an empty text when cancelled.
QString BrowseForFolder(QWidget* parent, const QString& startFolder = {});

// Dialogs take the chooser as a function so that tests can answer it.
using FolderChooser = std::function<QString()>;

}  // namespace qf::shell
