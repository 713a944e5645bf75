#include "engine/folder_walk.h"

#include "platform/paths.h"

namespace qf {

bool EnsureAncestry(_Folder_Struct& folder) {
    if (folder.ancestry) return true;
    FolderId id;
    if (!GetFolderId(folder.sWorkingFolder, id)) return false;
    folder.ancestry = std::make_shared<const FolderAncestry>(FolderAncestry{id, nullptr});
    return true;
}

void QueueSubfolders(FOLDER_QUEUE& queue, const _Folder_Struct& folder, const std::vector<FolderEntry>& listing,
                     const std::function<bool()>& stop) {
    std::vector<_Folder_Struct> subfolders;
    for (const FolderEntry& entry : listing) {
        if (entry.data.IsFolder() && entry.enterable && !OnAncestry(folder.ancestry, entry.id)) {
            _Folder_Struct sub;
            sub.sWorkingFolder = JoinPath(folder.sWorkingFolder, entry.data.cFileName);
            sub.sArchiveFolderFiles = folder.sArchiveFolderFiles;
            sub.sIncreasedFolder = folder.sIncreasedFolder;
            sub.ancestry = std::make_shared<const FolderAncestry>(FolderAncestry{entry.id, folder.ancestry});
            subfolders.push_back(std::move(sub));
        }
        if (stop()) break;
    }
    for (auto it = subfolders.rbegin(); it != subfolders.rend(); ++it) queue.push_front(std::move(*it));
}

}  // namespace qf
