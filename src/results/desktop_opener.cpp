#include "results/desktop_opener.h"

#include <cstdlib>

#include "platform/file_info.h"

namespace qf {
namespace {

// xdg-open: 2 the file does not exist, 3 no tool for it, 4 the action failed.
int FromOpenerExit(int code) {
    if (code == 0) return kOpenSucceeded;
    if (code == 2) return kOpenFileNotFound;
    return kOpenNoAssociation;
}

}  // namespace

ProcessDesktopOpener::ProcessDesktopOpener(Runner runner, std::vector<std::string> editor)
    : runner_(std::move(runner)), editor_(std::move(editor)) {}

std::vector<std::string> ProcessDesktopOpener::SplitCommand(std::string_view command) {
    std::vector<std::string> words;
    std::string word;
    for (char c : command) {
        if (c == ' ' || c == '\t') {
            if (!word.empty()) words.push_back(std::move(word));
            word.clear();
        } else {
            word.push_back(c);
        }
    }
    if (!word.empty()) words.push_back(std::move(word));
    return words;
}

std::vector<std::string> ProcessDesktopOpener::EditorFromEnvironment() {
    for (const char* name : {"VISUAL", "EDITOR"}) {
        const char* value = std::getenv(name);
        if (value && *value) return SplitCommand(value);
    }
    return {};
}

int ProcessDesktopOpener::Run(std::vector<std::string> argv, const std::string& path) const {
    if (!IsRegularFile(path)) return kOpenFileNotFound;
    argv.push_back(path);
    ProcessRequest request;
    request.argv = std::move(argv);
    const int code = runner_(request);
    return code < 0 ? kOpenNoAssociation : FromOpenerExit(code);
}

int ProcessDesktopOpener::Execute(std::string_view verb, const std::string& path) {
    if (verb == "open") return Run({"xdg-open"}, path);
    if (verb == "edit") return editor_.empty() ? kOpenNoAssociation : Run(editor_, path);
    return kOpenNoAssociation;
}

}  // namespace qf
