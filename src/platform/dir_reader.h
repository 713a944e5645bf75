#pragma once
// Private to the platform layer: one pass over the entries of an open folder.

#include <dirent.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace qf::detail {

// Calls visit(const dirent&) for every entry but "." and "..". Takes
// ownership of dirFd (closed at the end). False when the folder could not be
// read to its end.
template <typename Visit>
bool ForEachDirEntry(int dirFd, Visit&& visit) {
    DIR* dir = fdopendir(dirFd);
    if (!dir) {
        close(dirFd);
        return false;
    }
    bool ok = true;
    for (;;) {
        errno = 0;
        const dirent* ent = readdir(dir);
        if (!ent) {
            ok = errno == 0;
            break;
        }
        if (std::strcmp(ent->d_name, ".") == 0 || std::strcmp(ent->d_name, "..") == 0) continue;
        visit(*ent);
    }
    closedir(dir);
    return ok;
}

}  // namespace qf::detail
