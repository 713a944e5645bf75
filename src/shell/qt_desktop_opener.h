#pragma once
// Hands a result file to the desktop from the window thread without ever
// waiting for the application: "open" through the desktop's URL handler,
// "edit" through the user's editor started detached; "play" has no meaning here.

#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <vector>

#include "results/desktop_opener.h"

namespace qf::shell {

class QtDesktopOpener : public DesktopOpener {
public:
    int Execute(std::string_view verb, const std::string& path) override;

    // Replaceable so that tests open nothing.
    std::function<bool(const QUrl&)> openUrl;
    std::function<bool(const QString& program, const QStringList& arguments)> startDetached;
    // The words of $VISUAL, else $EDITOR; empty when neither is set.
    std::vector<std::string> editor;

    QtDesktopOpener();
};

}  // namespace qf::shell
