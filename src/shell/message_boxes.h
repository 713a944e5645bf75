#pragma once
// The desktop's message sink: every qf::Message becomes a QMessageBox with its
// caption, text, icon, buttons and default button. Safe to call from the
// worker: the box is shown on the window thread while the worker waits.

#include <QObject>
#include <QPointer>
#include <atomic>

#include "platform/user_messages.h"

class QWidget;

namespace qf::shell {

class MessageBoxes : public QObject, public UserMessages {
    Q_OBJECT
public:
    explicit MessageBoxes(QObject* parent = nullptr);

    // Owner of the boxes marked ownedByMainWindow.
    void SetMainWindow(QWidget* window) { mainWindow_ = window; }
    // While the program closes, boxes are answered with their default unseen,
    // so that a worker waiting on a box can never hold up the exit. Once the
    // worker has ended, boxes may be shown again (what the exit itself says).
    void SetClosing(bool closing = true) { closing_ = closing; }

    MsgAnswer Show(const Message& message) override;
    void Beep() override;

private:
    MsgAnswer ShowOnWindowThread(const Message& message);

    QPointer<QWidget> mainWindow_;
    std::atomic<bool> closing_{false};
};

}  // namespace qf::shell
