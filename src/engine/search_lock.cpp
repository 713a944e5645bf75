#include "engine/search_lock.h"

#include "archive/search_folders.h"
#include "platform/paths.h"

namespace qf {
namespace {

Message HomeInUseMessage(const std::string& home) {
    return ErrorMessage("Error !    Msg no: 1301.",
                        "Another search is running with the same home folder :\n\n" + home +
                            "\n\nIts working folders are in use, so this search does not start and nothing "
                            "is deleted.\n\nAction : Search again when the other search has ended.");
}

Message NoLockMessage(const std::string& path) {
    return ErrorMessage("Error !    Msg no: 1304.",
                        "The search lock cannot be made in the home folder :\n\n" + path +
                            "\n\nThe search does not start.\n\nAction : Check the home folder and its permissions.");
}

}  // namespace

bool PrepareSessionFolders(Session& session, UserMessages& messages, std::chrono::milliseconds wait) {
    if (!session.searchLock) {
        const std::string path = JoinPath(session.AppHome(), kSearchLockName);
        bool busy = false;
        session.searchLock = FileLock::Acquire(path, wait, busy);
        if (!session.searchLock) {
            messages.Show(busy ? HomeInUseMessage(session.AppHome()) : NoLockMessage(path));
            return false;
        }
    }
    if (PrepareSearchFolders(session.state.options, session.AppHome(), messages)) return true;
    ReleaseSearchLock(session);
    return false;
}

void ReleaseSearchLock(Session& session) { session.searchLock.reset(); }

}  // namespace qf
