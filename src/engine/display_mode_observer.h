#pragma once
// Passes the run's reports on to the front end; appended rows only in the
// "one by one" display mode (DISPLAYDUR), since "all at once" shows the list
// when the run ends.

#include "results/search_observer.h"

namespace qf {

class DisplayModeObserver : public SearchObserver {
public:
    DisplayModeObserver(SearchObserver& target, bool oneByOne) : target_(target), oneByOne_(oneByOne) {}

    bool FollowsProgress() const override { return target_.FollowsProgress(); }
    void StatusText(const std::string& text) override { target_.StatusText(text); }
    void CurrentName(const std::string& name) override { target_.CurrentName(name); }
    void CurrentFolder(const std::string& path) override { target_.CurrentFolder(path); }
    void RowsAppended(size_t firstRow, size_t count) override {
        if (oneByOne_) target_.RowsAppended(firstRow, count);
    }
    void ResultsRefreshed(size_t rowCount) override { target_.ResultsRefreshed(rowCount); }
    void CountersChanged() override { target_.CountersChanged(); }
    void StartTime(const std::string& text) override { target_.StartTime(text); }
    void EndTime(const std::string& text) override { target_.EndTime(text); }
    void Unreadable(const std::string& path, const std::string& reason) override { target_.Unreadable(path, reason); }
    void LineGivenUp(const std::string& path, uint32_t line) override { target_.LineGivenUp(path, line); }
    void ResultsFinal() override { target_.ResultsFinal(); }
    void RunEnded() override { target_.RunEnded(); }

private:
    SearchObserver& target_;
    bool oneByOne_;
};

}  // namespace qf
