#include "cli/progress_observer.h"

#include "platform/control_chars.h"

namespace qf::cli {
namespace {

constexpr auto kInterval = std::chrono::milliseconds(200);
constexpr size_t kMaxNameShown = 60;

}  // namespace

void ProgressObserver::StatusText(const std::string& text) {
    if (!enabled_ || text == status_) return;
    status_ = text;
    Show(false);
}

void ProgressObserver::CurrentName(const std::string& name) {
    if (!enabled_) return;
    // Keep the copy cheap: most calls are dropped by the interval anyway.
    const auto now = std::chrono::steady_clock::now();
    if (now - last_ < kInterval) return;
    name_ = EscapeControlChars(name.size() > kMaxNameShown ? "..." + name.substr(name.size() - kMaxNameShown) : name);
    Show(false);
}

void ProgressObserver::Show(bool force) {
    if (!enabled_) return;
    const auto now = std::chrono::steady_clock::now();
    if (!force && now - last_ < kInterval) return;
    last_ = now;
    writer_.Progress(status_ + " lines: " + std::to_string(counters_.nResultLines.load()) +
                     " files: " + std::to_string(counters_.nResultFiles.load()) +
                     " folders: " + std::to_string(counters_.nFoldersExamined.load()) + "  " + name_);
}

void ProgressObserver::Unreadable(const std::string& path, const std::string& reason) {
    unreadable_.push_back(path);
    writer_.Line("cannot read " + EscapeControlChars(path) + ": " + reason);
}

void ProgressObserver::LineGivenUp(const std::string& path, uint32_t line) {
    writer_.Line("line skipped " + EscapeControlChars(path) + ":" + std::to_string(line) +
                 ": the pattern needs more work than allowed");
}

void ProgressObserver::ResultsRefreshed(size_t /*rowCount*/) { Show(true); }

void ProgressObserver::RunEnded() {
    if (enabled_) writer_.EndProgress();
}

}  // namespace qf::cli
