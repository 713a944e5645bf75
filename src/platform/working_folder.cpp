#include "platform/working_folder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <optional>
#include <vector>

#include "platform/folder_ops.h"
#include "platform/folder_removal.h"
#include "platform/paths.h"
#include "platform/random_token.h"
#include "platform/text_lines_file.h"

namespace qf {
namespace {

using detail::FdGuard;

constexpr size_t kTokenBytes = 16;
constexpr off_t kMaxMarkerSize = 4096;
constexpr std::string_view kTokenPrefix = "token ";
constexpr char kMarkerHeading[] = "Quillfind uses this folder for its working files and empties it at every search.";

// One line of the record: the token, a tab, the folder's resolved path.
struct TokenRecord {
    std::string token;
    std::string folder;
};

std::string RecordPath(const std::string& appHome) { return JoinPath(appHome, kWorkingFolderRecord); }

std::vector<TokenRecord> ReadRecords(const std::string& appHome) {
    std::vector<std::string> lines;
    std::vector<TokenRecord> records;
    if (!ReadTextLines(RecordPath(appHome), lines)) return records;
    for (const std::string& line : lines) {
        const size_t tab = line.find('\t');
        if (tab == 0 || tab == std::string::npos) continue;
        records.push_back({line.substr(0, tab), line.substr(tab + 1)});
    }
    return records;
}

const TokenRecord* RecordOf(const std::vector<TokenRecord>& records, const std::string& folder) {
    for (const TokenRecord& r : records)
        if (r.folder == folder) return &r;
    return nullptr;
}

// The folder's token: the one already recorded for it, else a new one that
// is recorded first. Empty when it cannot be recorded (a name with a line
// break cannot stand on a line of the record).
std::string TokenFor(const std::string& appHome, const std::string& folder) {
    std::vector<TokenRecord> records = ReadRecords(appHome);
    if (const TokenRecord* known = RecordOf(records, folder)) return known->token;
    if (appHome.empty() || folder.find_first_of("\r\n") != std::string::npos) return {};
    records.push_back({RandomToken(kTokenBytes), folder});
    std::vector<std::string> lines;
    for (const TokenRecord& r : records) lines.push_back(r.token + '\t' + r.folder);
    return WriteCrLfLines(RecordPath(appHome), lines) ? records.back().token : std::string();
}

// The token a marker holds; nothing for a missing or odd marker. Opened
// without following a link and without waiting on a FIFO.
std::optional<std::string> MarkerToken(int dirFd) {
    const int fd = openat(dirFd, kWorkingFolderMarker, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    FdGuard guard(fd);
    struct stat st{};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > kMaxMarkerSize) return std::nullopt;
    std::string text(size_t(st.st_size), '\0');
    if (read(fd, text.data(), text.size()) != ssize_t(text.size())) return std::nullopt;
    const size_t at = text.find(kTokenPrefix);
    if (at == std::string::npos || (at > 0 && text[at - 1] != '\n')) return std::nullopt;
    const size_t start = at + kTokenPrefix.size();
    return text.substr(start, text.find_first_of("\r\n", start) - start);
}

// A marker that is not ours (copied, or left by an older version) is
// replaced, never written through.
bool WriteMarker(int dirFd, const std::string& token) {
    if (unlinkat(dirFd, kWorkingFolderMarker, 0) != 0 && errno != ENOENT) return false;
    const int fd = openat(dirFd, kWorkingFolderMarker, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const std::string text = std::string(kMarkerHeading) + "\r\n" + std::string(kTokenPrefix) + token + "\r\n";
    const bool ok = write(fd, text.data(), text.size()) == ssize_t(text.size());
    return close(fd) == 0 && ok;
}

bool Owned(int dirFd, const std::string& appHome, const std::string& folder) {
    const std::optional<std::string> token = MarkerToken(dirFd);
    const std::vector<TokenRecord> records = ReadRecords(appHome);
    const TokenRecord* record = RecordOf(records, folder);
    return token && record && *token == record->token;
}

// Empty but perhaps for a marker that is not valid.
bool HoldsNothing(int dirFd) {
    std::vector<std::string> names;
    if (!detail::ReadNames(dirFd, names)) return false;
    return names.empty() || (names.size() == 1 && names[0] == kWorkingFolderMarker);
}

bool Mark(int dirFd, const std::string& appHome, const std::string& folder) {
    const std::string token = TokenFor(appHome, folder);
    return !token.empty() && WriteMarker(dirFd, token);
}

std::optional<std::string> Resolved(const std::string& path) {
    char* resolved = realpath(path.c_str(), nullptr);
    if (!resolved) return std::nullopt;
    std::string out(resolved);
    std::free(resolved);
    return out;
}

EmptyFolderResult CreateMarkedFolder(const std::string& folder, const std::string& appHome) {
    if (!CreateFolders(folder)) return EmptyFolderResult::Failed;
    const std::optional<std::string> resolved = Resolved(folder);
    if (!resolved) return EmptyFolderResult::Failed;
    FdGuard fd(detail::OpenFolder(*resolved, true));
    return fd.Get() >= 0 && Mark(fd.Get(), appHome, *resolved) ? EmptyFolderResult::Created
                                                               : EmptyFolderResult::Failed;
}

}  // namespace

EmptyFolderResult EmptyWorkingFolder(const std::string& folder, const std::string& appHome) {
    if (folder.empty()) return EmptyFolderResult::Failed;
    struct stat st{};
    if (stat(folder.c_str(), &st) != 0)
        return errno == ENOENT ? CreateMarkedFolder(folder, appHome) : EmptyFolderResult::Failed;
    if (!S_ISDIR(st.st_mode)) return EmptyFolderResult::Failed;

    const std::optional<std::string> resolved = Resolved(folder);
    if (!resolved) return EmptyFolderResult::Failed;
    FdGuard fd(detail::OpenFolder(*resolved, true));
    if (fd.Get() < 0) return EmptyFolderResult::Failed;

    if (Owned(fd.Get(), appHome, *resolved)) {
        // The marker stays while emptying, so that a folder left half-emptied is still recognised.
        return detail::RemoveContentAt(fd.Get(), kWorkingFolderMarker) ? EmptyFolderResult::Emptied
                                                                      : EmptyFolderResult::Failed;
    }
    if (!HoldsNothing(fd.Get())) return EmptyFolderResult::Refused;
    return Mark(fd.Get(), appHome, *resolved) ? EmptyFolderResult::Emptied : EmptyFolderResult::Failed;
}

}  // namespace qf
