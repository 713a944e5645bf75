#pragma once
// How a search run reports to its front end. Called on the worker thread:
// a window turns each call into a queued signal and never blocks the worker.

#include <cstddef>
#include <cstdint>
#include <string>

namespace qf {

class SearchObserver {
public:
    virtual ~SearchObserver() = default;
    // Whether the status texts, names and folders the walk meets are shown:
    // an observer that shows none of them is not told them by the walk.
    virtual bool FollowsProgress() const { return true; }
    virtual void StatusText(const std::string& /*text*/) {}     // "Searching ...", "Selecting ..."
    virtual void CurrentName(const std::string& /*name*/) {}    // each file or folder as it is met
    virtual void CurrentFolder(const std::string& /*path*/) {}  // each folder as its turn comes
    virtual void RowsAppended(size_t /*firstRow*/, size_t /*count*/) {}  // "one by one" display
    virtual void ResultsRefreshed(size_t /*rowCount*/) {}  // the run's end: show the whole list
    virtual void CountersChanged() {}
    virtual void StartTime(const std::string& /*text*/) {}
    virtual void EndTime(const std::string& /*text*/) {}
    // A file or folder that could not be read, with the system's reason.
    virtual void Unreadable(const std::string& /*path*/, const std::string& /*reason*/) {}
    // A line whose regular expression match needed more work than allowed: skipped.
    virtual void LineGivenUp(const std::string& /*path*/, uint32_t /*line*/) {}
    // The list is final and shown; the end message and the logs are still to
    // come, so this is when a window gives its controls back.
    virtual void ResultsFinal() {}
    virtual void RunEnded() {}
};

}  // namespace qf
