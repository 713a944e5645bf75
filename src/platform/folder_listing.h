#pragma once
// Reading folders: one read per folder, entries in a stable order, and the
// wildcard rules used to match names against the listing.

#include <string>
#include <string_view>
#include <vector>

#include "platform/folder_opened_ahead.h"
#include "platform/open_folder.h"
#include "platform/win_types.h"

namespace qf {

// Identity of a folder on disk, for link-loop detection.
struct FolderId {
    uint64_t device = 0;
    uint64_t inode = 0;
    bool operator==(const FolderId&) const = default;
};

struct FolderEntry {
    WIN32_FIND_DATAA data;   // attributes, times, size, name
    bool enterable = false;  // folder the user may enter (X_OK)
    FolderId id;             // for links and entries of unknown type: device and inode of what they lead to
    bool detailed = false;   // times and size are filled (see LoadEntryDetails)
    std::shared_ptr<FolderOpenedAhead> openedAhead;  // an enterable subfolder, opened as it was listed
};

// A folder opened to be listed. Its identity comes from the open handle,
// before anything of it is read, so that a walk can refuse a folder it has
// been in (a link loop) without reading it again.
class FolderHandle {
public:
    // With `within`, the handle of the folder's parent, the folder is opened
    // by its name in it; with `ahead`, the folder opened as its parent was
    // listed, that handle is taken instead.
    explicit FolderHandle(const std::string& folder, const OpenFolder* within = nullptr,
                          FolderOpenedAhead* ahead = nullptr);
    ~FolderHandle();
    FolderHandle(const FolderHandle&) = delete;
    FolderHandle& operator=(const FolderHandle&) = delete;

    bool IsOpen() const { return open_ != nullptr; }
    const FolderId& Id() const { return id_; }

    // Lists the folder as ListFolder does (once). The handle stays open
    // until it is destroyed, for the details of the entries listed. With
    // `openSubfolders`, the subfolders to be walked next are opened ahead
    // (see FolderOpenedAhead). The subfolders of a large folder are tried
    // by up to `threads` threads.
    bool List(std::vector<FolderEntry>& out, int* error = nullptr, bool openSubfolders = false, int threads = 1);

    // The open handle, for the files of the folder to be opened in after
    // this is gone; nothing when the folder did not open.
    SharedFolder Share() const { return open_; }

private:
    friend bool LoadEntryDetails(const std::string& folder, FolderEntry& entry, const FolderHandle* handle);

    int Fd() const { return open_ ? open_->Fd() : -1; }

    SharedFolder open_;  // the folder's handle, when it opened
    int openError_ = 0;  // why the folder did not open
    bool listed_ = false;
    FolderId id_;
};

// Lists the folder's files and folders (not "." and ".."), symbolic links
// followed; FIFOs, sockets, devices and dangling links are left out. Sorted by
// name, ASCII case-insensitive, ties by bytes. Returns false when the folder
// cannot be read, with the error number in `error` when one is given.
//
// Links and entries of unknown type are examined at once. A folder or a
// regular file is known from the directory alone: a folder is only tested
// for whether the user may enter it, and times and size are read only when
// asked for with LoadEntryDetails, since most entries of a large tree need
// no more than their name.
bool ListFolder(const std::string& folder, std::vector<FolderEntry>& out, int* error = nullptr);

// Fills the times and size of a listed entry (once). False when the entry
// vanished meanwhile or is no longer a regular file or folder. With the
// handle `folder` was listed through, the entry is looked up in it by name.
bool LoadEntryDetails(const std::string& folder, FolderEntry& entry, const FolderHandle* handle = nullptr);

// `*` any run, `?` one character, ASCII case-insensitive. "*.*" matches every
// name; "name.*" also matches "name".
bool MatchWildcard(std::string_view pattern, std::string_view name);

// Device and inode of a folder (links followed); false when it cannot be read.
bool GetFolderId(const std::string& folder, FolderId& id);

// True when the path is a folder (links followed) that the user may enter.
bool IsEnterableFolder(const std::string& path);

}  // namespace qf
