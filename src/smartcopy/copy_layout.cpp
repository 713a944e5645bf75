#include "smartcopy/copy_layout.h"

#include "platform/paths.h"

namespace qf {

std::string CopyTypeOfName(std::string_view name) {
    const size_t dot = name.rfind('.');
    if (dot == std::string_view::npos) return "noext";
    return std::string(name.substr(dot + 1));
}

void SplitDrive(std::string_view folder, std::string& drive, std::string& rest) {
    drive.clear();
    rest = std::string(folder);
    // A POSIX path may hold ":" anywhere; only a path that does not start
    // at the root can carry a drive.
    if (folder.empty() || folder.front() == kPathSeparator) return;
    const size_t colon = folder.find(':');
    if (colon == std::string_view::npos) {
        rest.clear();
        return;
    }
    drive = std::string(folder.substr(0, 1));
    rest = std::string(folder.substr(colon + 1));
}

std::string CopyTargetFolder(const std::string& root, const std::string& sourcePath, const std::string& category,
                             CopyLayout layout) {
    switch (layout) {
        case CopyLayout::OneFolder:
            return root;
        case CopyLayout::TypeFolders: {
            std::string folder = CopyTypeOfName(BaseName(sourcePath));
            if (!category.empty()) folder += "-" + category;
            return JoinPath(root, folder);
        }
        case CopyLayout::FolderTree:
            break;
    }
    std::string drive, rest;
    SplitDrive(ParentPath(sourcePath), drive, rest);
    std::string top = drive + "-Disc";
    if (!category.empty()) top += "-" + category + "-";
    return JoinPath(JoinPath(root, top), rest);
}

}  // namespace qf
