#include "platform/file_copy.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace qf {
namespace {

bool WriteAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t n = write(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        size -= size_t(n);
    }
    return true;
}

bool CopyData(int from, int to) {
    std::vector<char> buffer(1 << 16);
    for (;;) {
        const ssize_t n = read(from, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) return true;
        if (!WriteAll(to, buffer.data(), size_t(n))) return false;
    }
}

// Data, permissions and times of the source into an open target; closes it.
bool FillTarget(int from, const struct stat& sourceStat, int to) {
    bool ok = CopyData(from, to);
    ok = ok && fchmod(to, sourceStat.st_mode & 0777) == 0;
    const timespec times[2] = {sourceStat.st_atim, sourceStat.st_mtim};
    ok = ok && futimens(to, times) == 0;
    return close(to) == 0 && ok;
}

CopyOutcome CopyExclusive(int from, const struct stat& sourceStat, const std::string& destination) {
    const int to = open(destination.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (to < 0) return errno == EEXIST ? CopyOutcome::DestinationExists : CopyOutcome::Failed;
    if (FillTarget(from, sourceStat, to)) return CopyOutcome::Copied;
    unlink(destination.c_str());  // our own partial file
    return CopyOutcome::Failed;
}

CopyOutcome CopyReplacing(int from, const struct stat& sourceStat, const std::string& destination) {
    std::string temp = destination + ".qfcopy-XXXXXX";
    const int to = mkostemp(temp.data(), O_CLOEXEC);
    if (to < 0) return CopyOutcome::Failed;
    if (FillTarget(from, sourceStat, to) && rename(temp.c_str(), destination.c_str()) == 0) return CopyOutcome::Copied;
    unlink(temp.c_str());
    return CopyOutcome::Failed;
}

}  // namespace

CopyOutcome CopyFileKeepTime(const std::string& source, const std::string& destination, bool overwrite) {
    const int from = open(source.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (from < 0) return CopyOutcome::Failed;
    struct stat sourceStat {};
    CopyOutcome outcome = CopyOutcome::Failed;
    // Only regular files: a FIFO or device at the source would hang or never end.
    if (fstat(from, &sourceStat) == 0 && S_ISREG(sourceStat.st_mode)) {
        outcome =
            overwrite ? CopyReplacing(from, sourceStat, destination) : CopyExclusive(from, sourceStat, destination);
    }
    close(from);
    return outcome;
}

}  // namespace qf
