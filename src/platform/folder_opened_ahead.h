#pragma once
// A subfolder opened while its folder is listed, held for its own turn in
// the walk. Opening it then tells at once whether the user may enter it, a
// question the listing must answer anyway, and its turn needs no lookup of
// its name. Few are held at a time: beyond a share of the handles the
// process may have open, subfolders are only tested, and opened in their
// turn as before.

#include <cstddef>
#include <memory>

namespace qf {

class FolderOpenedAhead {
public:
    explicit FolderOpenedAhead(int fd) : fd_(fd) {}
    ~FolderOpenedAhead();
    FolderOpenedAhead(const FolderOpenedAhead&) = delete;
    FolderOpenedAhead& operator=(const FolderOpenedAhead&) = delete;

    // The handle, handed over once (-1 after); the caller closes it.
    int Take();

private:
    int fd_;
};

// What testing the subfolder `name` of the open folder `folderFd` found.
struct SubfolderCheck {
    bool enterable = false;
    std::shared_ptr<FolderOpenedAhead> opened;  // when enterable and a handle could be held
};

// Whether the user may enter the subfolder (search permission, as X_OK
// asks), with the subfolder opened ahead when `openAhead` and few are held.
SubfolderCheck CheckSubfolder(int folderFd, const char* name, bool openAhead);

// How many subfolders are held open ahead in the whole program now.
size_t FoldersOpenedAhead();

// The system's table of a process's handles grows as higher handles are
// opened, and where the process has more than one thread, each growth
// waits until every processor has passed a quiet point: milliseconds. Made
// large enough for the folders held ahead while the program has one thread,
// the table grows at no cost. Called first thing in main().
void MakeRoomForFoldersOpenedAhead();

}  // namespace qf
