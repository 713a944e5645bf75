#include "engine/folder_walk.h"

#include "platform/paths.h"
#include "platform/pseudo_file_system.h"

namespace qf {
namespace {

// A subfolder on another file system than its folder (a mount point, or a
// link to elsewhere) is not walked when either of the two is a pseudo file
// system: the walk neither wanders from the user's folders into /proc or
// /sys, nor out of a chosen one through links such as /proc/<pid>/root,
// which lead back to the whole tree once per process. Each of the two is
// asked through its open handle where there is one: a path such as
// /proc/self/fd/6 may lead elsewhere by the time it is asked again.
bool CrossesPseudoFileSystem(const _Folder_Struct& folder, const FolderHandle& handle, const FolderId& id) {
    if (!folder.above || id.device == folder.above->id.device) return false;
    const SharedFolder own = handle.Share();
    if (own ? IsPseudoFileSystem(own->Fd()) : IsPseudoFileSystem(folder.sWorkingFolder)) return true;
    const SharedFolder& parent = folder.above->opened;
    return parent ? IsPseudoFileSystem(parent->Fd()) : IsPseudoFileSystem(ParentPath(folder.sWorkingFolder));
}

}  // namespace

bool IdentifyFolder(_Folder_Struct& folder, const FolderHandle& handle, bool& refused) {
    refused = false;
    FolderId id;
    if (handle.IsOpen())
        id = handle.Id();
    else if (!GetFolderId(folder.sWorkingFolder, id))
        return false;
    refused = folder.above && (OnAncestry(folder.above, id) || CrossesPseudoFileSystem(folder, handle, id));
    if (refused) return false;
    const int depth = folder.above ? folder.above->depth + 1 : 0;
    folder.ancestry = std::make_shared<const FolderAncestry>(
        FolderAncestry{id, folder.above, depth, depth < kMostOpenAncestors ? handle.Share() : nullptr});
    return true;
}

void QueueSubfolders(FOLDER_QUEUE& queue, const _Folder_Struct& folder, const std::vector<FolderEntry>& listing,
                     const std::function<bool()>& stop) {
    std::vector<_Folder_Struct> subfolders;
    for (const FolderEntry& entry : listing) {
        if (entry.data.IsFolder() && entry.enterable) {
            _Folder_Struct sub;
            sub.sWorkingFolder = JoinPath(folder.sWorkingFolder, entry.data.cFileName);
            sub.sArchiveFolderFiles = folder.sArchiveFolderFiles;
            sub.sIncreasedFolder = folder.sIncreasedFolder;
            sub.above = folder.ancestry;
            sub.openedAhead = entry.openedAhead;
            subfolders.push_back(std::move(sub));
        }
        if (stop()) break;
    }
    for (auto it = subfolders.rbegin(); it != subfolders.rend(); ++it) queue.push_front(std::move(*it));
}

}  // namespace qf
