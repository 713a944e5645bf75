// The desktop program: start-up, the main window and the message loop.

#include <QApplication>
#include <QLoggingCategory>

#include "engine/session.h"
#include "platform/app_home.h"
#include "platform/folder_opened_ahead.h"
#include "platform/user_messages.h"
#include "shell/help_pages.h"
#include "shell/main_window.h"
#include "shell/message_boxes.h"

namespace {

// Where the help pages were found; QT_LOGGING_RULES="quillfind.help.info=true" shows it.
Q_LOGGING_CATEGORY(lcHelp, "quillfind.help", QtWarningMsg)

qf::Message NoHomeMessage(const std::string& home) {
    return qf::ErrorMessage("ERROR !    Msg no: 0050.",
                            "Failed to create wnd !!!\n\nThe folder " + home +
                                " cannot be created.\n\nAction: Please E-mail us immediately.");
}

// Pages missing beside the program mean a broken installation: say so where
// whoever installed it will look, before a user meets the help message.
void ReportHelpFolder() {
    const QString folder = qf::shell::HelpFolder();
    if (folder.isEmpty())
        qCWarning(lcHelp, "no help pages found near %s", qPrintable(QCoreApplication::applicationDirPath()));
    else
        qCInfo(lcHelp, "help pages in %s", qPrintable(folder));
}

}  // namespace

int main(int argc, char* argv[]) {
    qf::MakeRoomForFoldersOpenedAhead();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillfind"));
    QApplication::setApplicationVersion(QStringLiteral("2.00"));
    qf::shell::MessageBoxes messages;
    ReportHelpFolder();

    std::string home;
    if (!qf::PrepareAppHome(home)) {
        messages.Show(NoHomeMessage(home));
        return 1;
    }
    qf::Session session(home);
    qf::shell::MainWindow window(session, messages);
    messages.SetMainWindow(&window);
    window.onClosing = [&messages] { messages.SetClosing(); };
    window.onSearchShutDown = [&messages] { messages.SetClosing(false); };
    window.show();
    window.RestoreLastSession();
    window.AskQuickStart();
    return QApplication::exec();
}
