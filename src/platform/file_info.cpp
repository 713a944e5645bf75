#include "platform/file_info.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <system_error>

#include "platform/entry_stat.h"
#include "platform/file_time.h"
#include "platform/paths.h"

namespace qf {

bool GetFindData(const std::string& path, WIN32_FIND_DATAA& data) {
    detail::EntryStat st;
    if (!detail::StatEntry(AT_FDCWD, path.c_str(), st)) return false;
    return detail::FillFindData(st, BaseName(path), data);
}

bool IsRegularFile(const std::string& path) {
    struct stat st{};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool RestoreFileTimes(const std::string& path, const FILETIME& lastAccess, const FILETIME& lastWrite) {
    timespec times[2]{};
    times[0].tv_sec = UnixFromFileTime(lastAccess, &times[0].tv_nsec);
    times[1].tv_sec = UnixFromFileTime(lastWrite, &times[1].tv_nsec);
    return utimensat(AT_FDCWD, path.c_str(), times, 0) == 0;
}

std::string ErrorText(int error) {
    return error != 0 ? std::generic_category().message(error) : std::string("cannot be opened");
}

}  // namespace qf
