#pragma once
// What the run tells on stderr: the progress line (phase, counters and current
// name, at most a few times a second) and every file or folder it cannot read.

#include <atomic>
#include <chrono>
#include <string>
#include <vector>

#include "cli/stderr_writer.h"
#include "results/run_counters.h"
#include "results/search_observer.h"

namespace qf::cli {

class ProgressObserver : public SearchObserver {
public:
    ProgressObserver(StderrWriter& writer, const RunCounters& counters, bool enabled)
        : writer_(writer), counters_(counters), enabled_(enabled) {}

    bool FollowsProgress() const override { return enabled_; }
    void StatusText(const std::string& text) override;
    void CurrentName(const std::string& name) override;
    void CountersChanged() override { Show(false); }
    void ResultsRefreshed(size_t rowCount) override;
    // "cannot read PATH: reason" on stderr.
    void Unreadable(const std::string& path, const std::string& reason) override;
    void LineGivenUp(const std::string& path, uint32_t line) override;
    void RunEnded() override;

    // The paths told as unreadable; read after the run has ended.
    const std::vector<std::string>& UnreadablePaths() const { return unreadable_; }

private:
    void Show(bool force);

    StderrWriter& writer_;
    const RunCounters& counters_;
    bool enabled_;
    std::string status_;
    std::string name_;
    std::chrono::steady_clock::time_point last_{};
    std::vector<std::string> unreadable_;
};

}  // namespace qf::cli
