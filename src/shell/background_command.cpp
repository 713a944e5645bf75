#include "shell/background_command.h"

#include <QApplication>
#include <QCoreApplication>
#include <QThread>

namespace qf::shell {

BackgroundCommand::BackgroundCommand(QObject* parent) : QObject(parent) {}

// The command may wait on the window thread (a message box): keep the event
// loop turning until its work is done. Its owner is going, so `done` is not run.
BackgroundCommand::~BackgroundCommand() {
    discard_ = true;
    while (!workDone_) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    Join();
    if (busy_) QApplication::restoreOverrideCursor();
}

void BackgroundCommand::Join() {
    if (thread_.joinable()) thread_.join();
}

bool BackgroundCommand::Run(std::function<void()> work, std::function<void()> done) {
    if (busy_) return false;
    Join();
    busy_ = true;
    workDone_ = false;
    QApplication::setOverrideCursor(Qt::BusyCursor);
    thread_ = std::thread([this, work = std::move(work), done = std::move(done)] {
        work();
        QMetaObject::invokeMethod(this, [this, done] { Finish(done); }, Qt::QueuedConnection);
        workDone_ = true;
    });
    return true;
}

void BackgroundCommand::Finish(const std::function<void()>& done) {
    Join();
    busy_ = false;
    QApplication::restoreOverrideCursor();
    if (discard_) return;
    if (done) done();
    emit finished();
}

}  // namespace qf::shell
