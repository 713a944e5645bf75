#pragma once
// The progress line of the command line: phase, counters and current name on
// stderr, at most a few times a second.

#include <atomic>
#include <chrono>
#include <string>

#include "cli/stderr_writer.h"
#include "results/run_counters.h"
#include "results/search_observer.h"

namespace qf::cli {

class ProgressObserver : public SearchObserver {
public:
    ProgressObserver(StderrWriter& writer, const RunCounters& counters, bool enabled)
        : writer_(writer), counters_(counters), enabled_(enabled) {}

    void StatusText(const std::string& text) override;
    void CurrentName(const std::string& name) override;
    void CountersChanged() override { Show(false); }
    void ResultsRefreshed(size_t rowCount) override;
    void RunEnded() override;

private:
    void Show(bool force);

    StderrWriter& writer_;
    const RunCounters& counters_;
    bool enabled_;
    std::string status_;
    std::string name_;
    std::chrono::steady_clock::time_point last_{};
};

}  // namespace qf::cli
