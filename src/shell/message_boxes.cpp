#include "shell/message_boxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QThread>

namespace qf::shell {
namespace {

QMessageBox::Icon BoxIcon(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::Warning:
        case MsgIcon::Exclamation: return QMessageBox::Warning;
        case MsgIcon::Error: return QMessageBox::Critical;
        case MsgIcon::Information: return QMessageBox::Information;
        case MsgIcon::Question: return QMessageBox::Question;
        case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons BoxButtons(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
        case MsgButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
        case MsgButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case MsgButtons::Ok: break;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton BoxButton(MsgAnswer answer) {
    switch (answer) {
        case MsgAnswer::Cancel: return QMessageBox::Cancel;
        case MsgAnswer::Yes: return QMessageBox::Yes;
        case MsgAnswer::No: return QMessageBox::No;
        case MsgAnswer::Ok: break;
    }
    return QMessageBox::Ok;
}

MsgAnswer AnswerOf(int button, MsgAnswer fallback) {
    switch (button) {
        case QMessageBox::Ok: return MsgAnswer::Ok;
        case QMessageBox::Cancel: return MsgAnswer::Cancel;
        case QMessageBox::Yes: return MsgAnswer::Yes;
        case QMessageBox::No: return MsgAnswer::No;
        default: return fallback;
    }
}

}  // namespace

MessageBoxes::MessageBoxes(QObject* parent) : QObject(parent) {}

MsgAnswer MessageBoxes::Show(const Message& message) {
    if (closing_) return message.defaultAnswer;
    if (QThread::currentThread() == thread()) return ShowOnWindowThread(message);
    MsgAnswer answer = message.defaultAnswer;
    QMetaObject::invokeMethod(
        this, [this, &message, &answer] { answer = ShowOnWindowThread(message); }, Qt::BlockingQueuedConnection);
    return answer;
}

void MessageBoxes::Beep() {
    QMetaObject::invokeMethod(this, [] { QApplication::beep(); }, Qt::QueuedConnection);
}

MsgAnswer MessageBoxes::ShowOnWindowThread(const Message& message) {
    if (closing_) return message.defaultAnswer;
    QWidget* owner = message.ownedByMainWindow ? mainWindow_.data() : nullptr;
    QMessageBox box(BoxIcon(message.icon), QString::fromStdString(message.caption),
                    QString::fromStdString(message.text), BoxButtons(message.buttons), owner);
    box.setDefaultButton(BoxButton(message.defaultAnswer));
    return AnswerOf(box.exec(), message.defaultAnswer);
}

}  // namespace qf::shell
