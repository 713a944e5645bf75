#include "shell/qt_desktop_opener.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>

namespace qf::shell {

QtDesktopOpener::QtDesktopOpener()
    : openUrl([](const QUrl& url) { return QDesktopServices::openUrl(url); }),
      startDetached([](const QString& program, const QStringList& arguments) {
          return QProcess::startDetached(program, arguments);
      }),
      editor(ProcessDesktopOpener::EditorFromEnvironment()) {}

int QtDesktopOpener::Execute(std::string_view verb, const std::string& path) {
    if (verb != "open" && verb != "edit") return kOpenNoAssociation;
    const QString file = QString::fromStdString(path);
    if (!QFileInfo(file).isFile()) return kOpenFileNotFound;
    if (verb == "open") return openUrl(QUrl::fromLocalFile(file)) ? kOpenSucceeded : kOpenNoAssociation;
    if (editor.empty()) return kOpenNoAssociation;
    QStringList arguments;
    for (size_t i = 1; i < editor.size(); ++i) arguments << QString::fromStdString(editor[i]);
    arguments << file;
    return startDetached(QString::fromStdString(editor.front()), arguments) ? kOpenSucceeded : kOpenNoAssociation;
}

}  // namespace qf::shell
