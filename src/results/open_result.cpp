#include "results/open_result.h"

#include <array>
#include <utility>

#include "results/click_record.h"

namespace qf {
namespace {

constexpr std::array<std::pair<int, std::string_view>, 13> kFailureTexts = {{
    {0, "The operating system is out of memory or resources.\nAction : Close some programs to free memory."},
    {2, "The specified file was not found.\nAction : Check if the file still exist, or \n         it is a good path."},
    {3, "The specified path was not found.\nAction : Check the path name."},
    {5, "The operating system denied access to the specified file."},
    {8, "There was not enough memory to complete the operation."},
    {11, "The .EXE file is invalid (non-Win32 .EXE or error in .EXE image)."},
    {26, "A sharing violation occurred."},
    {27, "The filename association is incomplete or invalid."},
    {28, "The DDE transaction could not be completed because the request timed out."},
    {29, "The DDE transaction failed."},
    {30, "The DDE transaction could not be completed because other DDE transactions were being processed."},
    {31, "There is no application associated with the given filename extension.\nAction: try to associate "
         "application to the given file extension.\n        If there are files with no extensions, you can call "
         "Preview window."},
    {32, "The specified dynamic-link library was not found. "},
}};

constexpr std::array<std::string_view, 3> kVerbs = {"play", "open", "edit"};

}  // namespace

std::string_view OpenFailureText(int value) {
    for (const auto& [code, text] : kFailureTexts)
        if (code == value) return text;
    return "Unknown error.";
}

Message OpenFailedMessage(int value) {
    Message m;
    m.caption = "ShellExecute Warnings !    Msg no: 193.";
    m.text = std::string(OpenFailureText(value));
    m.icon = MsgIcon::Information;
    return m;
}

bool OpenResult(const std::string& openPath, const Options& options, DesktopOpener& opener, UserMessages& messages) {
    const auto kept = KeepFileTimes(openPath);
    int value = 0;
    for (std::string_view verb : kVerbs) {
        value = opener.Execute(verb, openPath);
        if (value > 32) break;
    }
    if (value <= 32) messages.Show(OpenFailedMessage(value));
    RestoreKeptTimes(openPath, kept, options);
    return value > 32;
}

}  // namespace qf
