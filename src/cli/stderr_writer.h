#pragma once
// The one writer of stderr: message lines and the progress line share it, so
// that a message never lands in the middle of a progress line.

#include <mutex>
#include <string>

namespace qf::cli {

class StderrWriter {
public:
    explicit StderrWriter(bool terminal) : terminal_(terminal) {}

    bool Terminal() const { return terminal_; }
    // A whole line; closes an open progress line first.
    void Line(const std::string& text);
    // Replaces the progress line on a terminal; elsewhere writes it as a line.
    void Progress(const std::string& text);
    // Ends an open progress line.
    void EndProgress();
    void Bell();

private:
    void CloseProgressLocked();

    std::mutex mutex_;
    bool terminal_;
    bool progressOpen_ = false;
};

}  // namespace qf::cli
