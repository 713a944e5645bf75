#pragma once
// Turns the worker's reports into queued signals for the window thread.
// Frequent reports (status, rows, counters, current name and folder) are
// coalesced: the worker posts at most one pending event of each kind, so a
// fast search cannot flood the window's event queue. A pending event carries
// the latest value when it arrives, and it arrives before any report made
// after it was posted.

#include <QObject>
#include <QString>
#include <atomic>
#include <mutex>
#include <string>

#include "results/search_observer.h"

namespace qf::shell {

class SearchBridge : public QObject, public SearchObserver {
    Q_OBJECT
public:
    explicit SearchBridge(QObject* parent = nullptr);

    // Worker thread.
    void StatusText(const std::string& text) override;
    void CurrentName(const std::string& name) override;
    void CurrentFolder(const std::string& path) override;
    void RowsAppended(size_t firstRow, size_t count) override;
    void ResultsRefreshed(size_t rowCount) override;
    void CountersChanged() override;
    void StartTime(const std::string& text) override;
    void EndTime(const std::string& text) override;
    void ResultsFinal() override;
    void RunEnded() override;

signals:
    void statusText(const QString& text);
    void currentName(const QString& name);
    void currentFolder(const QString& path);
    void rowsAvailable(qulonglong rowCount);
    void resultsRefreshed(qulonglong rowCount);
    void countersChanged();
    void startTime(const QString& text);
    void endTime(const QString& text);
    void resultsFinal();
    void runEnded();

private:
    void PostRows();
    void PostStatus();
    void PostName();
    void PostFolder();
    void PostCounters();

    std::atomic<size_t> rowsKnown_{0};
    std::atomic<bool> rowsPending_{false};
    std::atomic<bool> countersPending_{false};
    std::mutex latestLock_;
    std::string latestName_;
    bool namePending_ = false;
    std::string latestFolder_;
    bool folderPending_ = false;
    std::string latestStatus_;
    bool statusPending_ = false;
};

}  // namespace qf::shell
