#pragma once
// One entry of the run's folder queue, and the queue of archive folders that
// the unzip step fills while a folder is processed.

#include <deque>
#include <memory>
#include <string>

#include "platform/folder_listing.h"

namespace qf {

// How deep below a starting folder the walk keeps folders open for their
// subfolders to be opened in: the open handles are at most this many, one
// for each folder of the path walked, whatever the tree.
constexpr int kMostOpenAncestors = 16;

// The folders from a starting folder down to one queued folder, innermost
// first; a folder met again on this chain is a link loop. Down to
// kMostOpenAncestors, each keeps its handle while its subfolders wait, so
// that they are opened by name in it rather than by their whole path.
struct FolderAncestry {
    FolderId id;
    std::shared_ptr<const FolderAncestry> parent;
    int depth = 0;        // 0 for a starting folder
    SharedFolder opened;  // none below kMostOpenAncestors
};

struct _Folder_Struct {
    std::string sWorkingFolder;       // no trailing separator, except the root
    std::string sArchiveFolderFiles;  // the archive's full path for an archive folder, else empty
    std::string sIncreasedFolder;     // the extraction folder of that archive, else empty

    // Identity chain of this folder, filled when the folder is opened; and
    // that of the folder it was found in (empty for a starting folder or an
    // extraction folder), which it must not lead back into.
    std::shared_ptr<const FolderAncestry> ancestry;
    std::shared_ptr<const FolderAncestry> above;
    // The folder's handle when it was opened as its parent was listed.
    std::shared_ptr<FolderOpenedAhead> openedAhead;

    bool IsArchiveFolder() const { return !sArchiveFolderFiles.empty(); }
};

using FOLDER_QUEUE = std::deque<_Folder_Struct>;
using DEQ_ARCHIVE_FOLDER_QUE = std::deque<_Folder_Struct>;

// True when id is the folder itself or one of the folders above it.
inline bool OnAncestry(const std::shared_ptr<const FolderAncestry>& chain, const FolderId& id) {
    for (const FolderAncestry* node = chain.get(); node; node = node->parent.get())
        if (node->id == id) return true;
    return false;
}

}  // namespace qf
