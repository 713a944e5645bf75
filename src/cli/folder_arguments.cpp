#include "cli/folder_arguments.h"

#include <algorithm>
#include <cerrno>

#include "platform/control_chars.h"
#include "platform/file_info.h"
#include "platform/paths.h"

namespace qf::cli {

FolderCheck CheckChosenFolders(const Options& options, StderrWriter& writer) {
    FolderCheck check;
    for (const std::string& folder : options.List(Opt::DIRECTORIS)) {
        ++check.chosen;
        errno = 0;
        WIN32_FIND_DATAA data;
        const bool found = GetFindData(folder, data);
        if (found && data.IsFolder()) continue;
        const int error = found ? ENOTDIR : (errno != 0 ? errno : ENOENT);
        writer.Line("cannot search " + EscapeControlChars(folder) + ": " + ErrorText(error));
        ++check.missing;
    }
    return check;
}

bool ChosenFolderUnreadable(const Options& options, const std::vector<std::string>& unreadable) {
    for (const std::string& folder : options.List(Opt::DIRECTORIS))
        if (std::find(unreadable.begin(), unreadable.end(), TrimTrailingSeparators(folder)) != unreadable.end())
            return true;
    return false;
}

}  // namespace qf::cli
