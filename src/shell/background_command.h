#pragma once
// Runs a command of a tool window (a sort, a grouping, a report) on a thread
// of its own, so that the window thread stays free to paint and answer while
// the results are rebuilt or written. One command at a time.

#include <QObject>
#include <QThread>
#include <atomic>
#include <functional>
#include <thread>
#include <type_traits>

namespace qf::shell {

class BackgroundCommand : public QObject {
    Q_OBJECT
public:
    explicit BackgroundCommand(QObject* parent = nullptr);
    ~BackgroundCommand() override;  // waits for a running command

    bool Busy() const { return busy_; }
    // Runs `work` on the command's thread, then `done` on the window thread.
    // False, and nothing runs, while a command is busy.
    bool Run(std::function<void()> work, std::function<void()> done);
    // From the command's thread: calls `f` on the window thread and waits for
    // its answer (a file dialog, a viewer to start).
    template <typename F>
    auto OnWindowThread(F f) -> std::invoke_result_t<F>;

signals:
    void finished();

private:
    void Finish(const std::function<void()>& done);
    void Join();

    std::thread thread_;
    bool busy_ = false;
    std::atomic<bool> workDone_{true};
    bool discard_ = false;  // the owner is going: its `done` must not run
};

template <typename F>
auto BackgroundCommand::OnWindowThread(F f) -> std::invoke_result_t<F> {
    using Result = std::invoke_result_t<F>;
    if (thread() == QThread::currentThread()) return f();
    if constexpr (std::is_void_v<Result>) {
        QMetaObject::invokeMethod(this, f, Qt::BlockingQueuedConnection);
    } else {
        Result result{};
        QMetaObject::invokeMethod(this, [&] { result = f(); }, Qt::BlockingQueuedConnection);
        return result;
    }
}

}  // namespace qf::shell
