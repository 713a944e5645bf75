#pragma once
// What the walk of a folder shows (counters, statistics, status texts) is
// held back while folders walked before it still wait for their turn, so
// that the front end sees everything in the walk's order, and a run that
// ends at an earlier folder shows nothing of the folders walked ahead.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "results/search_observer.h"

namespace qf {

class WalkEffects {
public:
    // Runs `effect` now, or keeps it (a copy of what it captures) while held.
    template <typename Effect>
    void Do(Effect&& effect) {
        if (holding_)
            held_.emplace_back(std::forward<Effect>(effect));
        else
            effect();
    }

    void Hold(bool on) { holding_ = on; }
    bool Holding() const { return holding_; }

    // The effects kept so far, in order; none are kept afterwards.
    std::vector<std::function<void()>> TakeHeld() { return std::exchange(held_, {}); }

private:
    bool holding_ = false;
    std::vector<std::function<void()>> held_;
};

// The observer the walk reports to: each call is an effect of the walk.
class WalkObserver : public SearchObserver {
public:
    WalkObserver(WalkEffects& effects, SearchObserver& target)
        : effects_(effects), target_(target), follows_(target.FollowsProgress()) {}

    bool FollowsProgress() const override { return follows_; }
    // Told for every file met: nothing is kept for a target that shows none.
    void StatusText(const std::string& text) override {
        if (follows_) effects_.Do([&target = target_, text] { target.StatusText(text); });
    }
    void CurrentName(const std::string& name) override {
        if (follows_) effects_.Do([&target = target_, name] { target.CurrentName(name); });
    }
    void CurrentFolder(const std::string& path) override {
        if (follows_) effects_.Do([&target = target_, path] { target.CurrentFolder(path); });
    }
    void Unreadable(const std::string& path, const std::string& reason) override {
        effects_.Do([&target = target_, path, reason] { target.Unreadable(path, reason); });
    }
    void CountersChanged() override {
        effects_.Do([&target = target_] { target.CountersChanged(); });
    }
    void RowsAppended(size_t firstRow, size_t count) override { target_.RowsAppended(firstRow, count); }
    void ResultsRefreshed(size_t rowCount) override { target_.ResultsRefreshed(rowCount); }
    void StartTime(const std::string& text) override { target_.StartTime(text); }
    void EndTime(const std::string& text) override { target_.EndTime(text); }
    void ResultsFinal() override { target_.ResultsFinal(); }
    void RunEnded() override { target_.RunEnded(); }

private:
    WalkEffects& effects_;
    SearchObserver& target_;
    const bool follows_;
};

}  // namespace qf
