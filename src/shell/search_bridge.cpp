#include "shell/search_bridge.h"

namespace qf::shell {

SearchBridge::SearchBridge(QObject* parent) : QObject(parent) {}

// The run names its phase for every file it selects or reads; the window
// needs only the latest, and the one pending event carries it.
void SearchBridge::StatusText(const std::string& text) {
    std::lock_guard lock(latestLock_);
    latestStatus_ = text;
    if (statusPending_) return;
    statusPending_ = true;
    QMetaObject::invokeMethod(this, &SearchBridge::PostStatus, Qt::QueuedConnection);
}

void SearchBridge::PostStatus() {
    QString text;
    {
        std::lock_guard lock(latestLock_);
        text = QString::fromStdString(latestStatus_);
        statusPending_ = false;
    }
    emit statusText(text);
}

void SearchBridge::CurrentName(const std::string& name) {
    std::lock_guard lock(latestLock_);
    latestName_ = name;
    if (namePending_) return;
    namePending_ = true;
    QMetaObject::invokeMethod(this, &SearchBridge::PostName, Qt::QueuedConnection);
}

void SearchBridge::PostName() {
    QString name;
    {
        std::lock_guard lock(latestLock_);
        name = QString::fromStdString(latestName_);
        namePending_ = false;
    }
    emit currentName(name);
}

void SearchBridge::CurrentFolder(const std::string& path) {
    std::lock_guard lock(latestLock_);
    latestFolder_ = path;
    if (folderPending_) return;
    folderPending_ = true;
    QMetaObject::invokeMethod(this, &SearchBridge::PostFolder, Qt::QueuedConnection);
}

void SearchBridge::PostFolder() {
    QString path;
    {
        std::lock_guard lock(latestLock_);
        path = QString::fromStdString(latestFolder_);
        folderPending_ = false;
    }
    emit currentFolder(path);
}

void SearchBridge::RowsAppended(size_t firstRow, size_t count) {
    rowsKnown_ = firstRow + count;
    if (rowsPending_.exchange(true)) return;
    QMetaObject::invokeMethod(this, &SearchBridge::PostRows, Qt::QueuedConnection);
}

void SearchBridge::PostRows() {
    rowsPending_ = false;
    emit rowsAvailable(rowsKnown_.load());
}

void SearchBridge::ResultsRefreshed(size_t rowCount) {
    rowsKnown_ = rowCount;
    emit resultsRefreshed(rowCount);
}

void SearchBridge::CountersChanged() {
    if (countersPending_.exchange(true)) return;
    QMetaObject::invokeMethod(this, &SearchBridge::PostCounters, Qt::QueuedConnection);
}

void SearchBridge::PostCounters() {
    countersPending_ = false;
    emit countersChanged();
}

void SearchBridge::StartTime(const std::string& text) {
    rowsKnown_ = 0;
    emit startTime(QString::fromStdString(text));
}

void SearchBridge::EndTime(const std::string& text) {
    emit endTime(QString::fromStdString(text));
}

void SearchBridge::ResultsFinal() {
    emit resultsFinal();
}

void SearchBridge::RunEnded() {
    emit runEnded();
}

}  // namespace qf::shell
