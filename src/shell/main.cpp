// The desktop program: start-up, the main window and the message loop.

#include <QApplication>

#include "engine/session.h"
#include "platform/app_home.h"
#include "platform/user_messages.h"
#include "shell/main_window.h"
#include "shell/message_boxes.h"

namespace {

qf::Message NoHomeMessage(const std::string& home) {
    return qf::ErrorMessage("ERROR !    Msg no: 0050.",
                            "Failed to create wnd !!!\n\nThe folder " + home +
                                " cannot be created.\n\nAction: Please E-mail us immediately.");
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillfind"));
    QApplication::setApplicationVersion(QStringLiteral("2.00"));
    qf::shell::MessageBoxes messages;

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
