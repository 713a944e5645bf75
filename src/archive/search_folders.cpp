#include "archive/search_folders.h"

#include "platform/working_folder.h"
#include "platform/paths.h"

namespace qf {
namespace {

std::string LogFolderOf(const std::string& appHome) { return JoinPath(appHome, "Temp"); }

std::string DefaultWorkFolder(const std::string& appHome, const char* name) {
    return JoinPath(LogFolderOf(appHome), name);
}

std::string WorkFolderOf(const Options& options, Opt option, const std::string& appHome, const char* name) {
    const std::string& value = options.Text(option);
    return value.empty() ? DefaultWorkFolder(appHome, name) : TrimTrailingSeparators(value);
}

Message RefusedMessage(const std::string& folder) {
    return ErrorMessage("Error !    Msg no: 1030.",
                        "The folder holds files that Quillfind did not put there, so it is not emptied :\n\n" +
                            folder +
                            "\n\nNothing was deleted and the search does not start.\n\n"
                            "Action: Choose a new or an empty folder as working folder, or empty this one yourself.");
}

Message FailedMessage(const std::string& folder) {
    return ErrorMessage("Error !    Msg no: 1031.",
                        "The folder cannot be emptied or created :\n\n" + folder +
                            "\n\nThe search does not start.\n\nAction: Check the folder and its permissions.");
}

bool PrepareFolder(const std::string& folder, const std::string& appHome, UserMessages& messages) {
    switch (EmptyWorkingFolder(folder, appHome)) {
        case EmptyFolderResult::Emptied:
        case EmptyFolderResult::Created: return true;
        case EmptyFolderResult::Refused: messages.Show(RefusedMessage(folder)); return false;
        case EmptyFolderResult::Failed: break;
    }
    messages.Show(FailedMessage(folder));
    return false;
}

void SetDefault(Options& options, Opt option, const std::string& appHome, const char* name) {
    // The option keeps its closing separator, as a folder chosen by the user does.
    if (options.Text(option).empty()) options.SetText(option, DefaultWorkFolder(appHome, name) + kPathSeparator);
}

}  // namespace

SearchFolders SearchFoldersOf(const Options& options, const std::string& appHome) {
    return SearchFolders{LogFolderOf(appHome), WorkFolderOf(options, Opt::ZIPWORKDIR, appHome, "ZIPFILES"),
                         WorkFolderOf(options, Opt::WORDWRKDIR, appHome, "WORDFILES"),
                         WorkFolderOf(options, Opt::PDFWORKDIR, appHome, "PDFFILES"),
                         WorkFolderOf(options, Opt::OFFWRKDIR, appHome, "OFFICEFILES")};
}

bool PrepareSearchFolders(Options& options, const std::string& appHome, UserMessages& messages) {
    SetDefault(options, Opt::ZIPWORKDIR, appHome, "ZIPFILES");
    SetDefault(options, Opt::WORDWRKDIR, appHome, "WORDFILES");
    SetDefault(options, Opt::PDFWORKDIR, appHome, "PDFFILES");
    const bool office = options.On(Opt::CONVOFFICE);
    if (office) SetDefault(options, Opt::OFFWRKDIR, appHome, "OFFICEFILES");
    const SearchFolders folders = SearchFoldersOf(options, appHome);
    for (const std::string* folder :
         {&folders.logFolder, &folders.zipWorkFolder, &folders.wordWorkFolder, &folders.pdfWorkFolder}) {
        if (!PrepareFolder(*folder, appHome, messages)) return false;
    }
    return !office || PrepareFolder(folders.officeWorkFolder, appHome, messages);
}

}  // namespace qf
