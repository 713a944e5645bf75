#pragma once
// How a result file is handed to the desktop: one verb at a time, answered
// with a value above 32 on success or one of the shell's error values.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/process_launcher.h"

namespace qf {

constexpr int kOpenSucceeded = 42;       // any value above 32
constexpr int kOpenFileNotFound = 2;
constexpr int kOpenNoAssociation = 31;

class DesktopOpener {
public:
    virtual ~DesktopOpener() = default;
    // verb is "play", "open" or "edit".
    virtual int Execute(std::string_view verb, const std::string& path) = 0;
};

// The command-line opener: "play" means nothing here (no association);
// "open" runs xdg-open; "edit" runs the user's editor ($VISUAL, else $EDITOR,
// split at blanks, the file as last argument). The Qt shell supplies its own
// opener for "open".
class ProcessDesktopOpener : public DesktopOpener {
public:
    using Runner = std::function<int(const ProcessRequest&)>;
    // editor: the words of the editor command; empty when none is set.
    explicit ProcessDesktopOpener(Runner runner = RunProcess, std::vector<std::string> editor = EditorFromEnvironment());
    int Execute(std::string_view verb, const std::string& path) override;

    static std::vector<std::string> EditorFromEnvironment();
    static std::vector<std::string> SplitCommand(std::string_view command);

private:
    int Run(std::vector<std::string> argv, const std::string& path) const;

    Runner runner_;
    std::vector<std::string> editor_;
};

}  // namespace qf
