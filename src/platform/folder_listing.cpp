#include "platform/folder_listing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/case_fold.h"
#include "platform/entry_stat.h"
#include "platform/parallel_parts.h"
#include "platform/paths.h"

namespace qf {
namespace {

// ASCII case-insensitive order; names equal but for case fall back to bytes
// so that every run lists in the same order.
bool NameLess(const std::string& a, const std::string& b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(AsciiLower(a[i]));
        const auto y = static_cast<unsigned char>(AsciiLower(b[i]));
        if (x != y) return x < y;
    }
    if (a.size() != b.size()) return a.size() < b.size();
    return a < b;
}

// The first eight letters of a name, lowered, as one number that orders as
// they do; a shorter name is filled with zero bytes, which no name holds.
uint64_t LowerPrefix(const std::string& name) {
    uint64_t prefix = 0;
    for (size_t i = 0; i < 8; ++i) {
        const auto c = i < name.size() ? static_cast<unsigned char>(AsciiLower(name[i])) : 0;
        prefix = prefix << 8 | c;
    }
    return prefix;
}

// Sorts the entries with NameLess. Most names of a folder differ within
// their first eight letters: those are compared as one number, and only
// names that share them are compared letter by letter. The entries are then
// moved once each into their places.
void SortByName(std::vector<FolderEntry>& entries) {
    struct Key {
        uint64_t prefix;
        size_t index;
    };
    std::vector<Key> keys(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) keys[i] = {LowerPrefix(entries[i].data.cFileName), i};
    std::sort(keys.begin(), keys.end(), [&](const Key& a, const Key& b) {
        if (a.prefix != b.prefix) return a.prefix < b.prefix;
        return NameLess(entries[a.index].data.cFileName, entries[b.index].data.cFileName);
    });
    // keys[i].index is the entry that goes to place i; each cycle of that
    // mapping is followed with one entry held aside.
    for (size_t start = 0; start < keys.size(); ++start) {
        if (keys[start].index == start) continue;
        FolderEntry held = std::move(entries[start]);
        size_t at = start;
        while (keys[at].index != start) {
            const size_t from = keys[at].index;
            entries[at] = std::move(entries[from]);
            keys[at].index = at;
            at = from;
        }
        entries[at] = std::move(held);
        keys[at].index = at;
    }
}

bool SameLetter(char a, char b) { return AsciiLower(a) == AsciiLower(b); }

// Plain `*`/`?` matching. Only the last star is ever backtracked to, which is
// enough for these patterns and keeps the cost at pattern times name.
bool MatchPlain(std::string_view pattern, std::string_view name) {
    size_t p = 0, n = 0;
    size_t starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() && (pattern[p] == '?' || SameLetter(pattern[p], name[n]))) {
            ++p;
            ++n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

// Calls visit(name, type) for every entry but "." and "..", reading the
// folder in large blocks straight from the open handle. False when the
// folder could not be read to its end.
template <typename Visit>
bool ReadEntries(int fd, Visit&& visit) {
    alignas(dirent64) char block[32768];
    for (;;) {
        const ssize_t n = getdents64(fd, block, sizeof block);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) return true;
        for (ssize_t at = 0; at < n;) {
            const auto* ent = reinterpret_cast<const dirent64*>(block + at);
            at += ent->d_reclen;
            const char* name = ent->d_name;
            if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0))) continue;
            visit(name, ent->d_type);
        }
    }
}

bool IsSpecialType(unsigned char type) {
    return type == DT_FIFO || type == DT_SOCK || type == DT_CHR || type == DT_BLK;
}

// Stats a folder, a link or an entry of unknown type; false for what is left out.
bool ExamineEntry(int fd, const char* name, unsigned char type, FolderEntry& entry) {
    if (IsSpecialType(type)) return false;
    detail::EntryStat st;
    // Dangling links and entries that vanished meanwhile fail here and are left out.
    if (!detail::StatEntry(fd, name, st)) return false;
    if (!detail::FillFindData(st, name, entry.data)) return false;  // FIFOs, sockets, devices
    entry.detailed = true;
    if (entry.data.IsFolder()) {
        entry.enterable = faccessat(fd, name, X_OK, 0) == 0;
        entry.id = {st.device, st.inode};
    }
    return true;
}

// Whether each listed subfolder may be entered, opening it ahead when
// asked. A folder with many subfolders has them tried side by side: the
// walk's first files reach the readers that much sooner.
void CheckSubfolders(int fd, std::vector<FolderEntry>& entries, const std::vector<size_t>& subfolders,
                     bool openAhead, int threads) {
    constexpr size_t kSubfoldersPerPart = 128;
    const size_t parts = PartsFor(subfolders.size(), kSubfoldersPerPart, threads);
    RunParts(parts, [&](size_t part) {
        const auto [first, end] = PartRange(subfolders.size(), parts, part);
        for (size_t i = first; i < end; ++i) {
            FolderEntry& entry = entries[subfolders[i]];
            SubfolderCheck check = CheckSubfolder(fd, entry.data.cFileName.c_str(), openAhead);
            entry.enterable = check.enterable;
            entry.openedAhead = std::move(check.opened);
        }
    });
}

}  // namespace

bool LoadEntryDetails(const std::string& folder, FolderEntry& entry, const FolderHandle* handle) {
    if (entry.detailed) return true;
    detail::EntryStat st;
    if (handle && handle->IsOpen()) {
        if (!detail::StatEntry(handle->Fd(), entry.data.cFileName.c_str(), st)) return false;
    } else {
        const std::string path = folder == "/" ? "/" + entry.data.cFileName : folder + "/" + entry.data.cFileName;
        if (!detail::StatEntry(AT_FDCWD, path.c_str(), st)) return false;
    }
    const bool wasFolder = entry.data.IsFolder();
    if (!detail::FillFindData(st, entry.data.cFileName, entry.data) || entry.data.IsFolder() != wasFolder)
        return false;
    if (wasFolder) entry.id = {st.device, st.inode};
    entry.detailed = true;
    return true;
}

bool MatchWildcard(std::string_view pattern, std::string_view name) {
    if (MatchPlain(pattern, name)) return true;
    // A trailing ".*" also matches a name that ends where the dot would be:
    // "*.*" matches "README", "name.*" matches "name".
    if (pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == ".*")
        return MatchPlain(pattern.substr(0, pattern.size() - 2), name);
    return false;
}

FolderHandle::FolderHandle(const std::string& folder, const OpenFolder* within, FolderOpenedAhead* ahead) {
    constexpr int kFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
    int fd = ahead ? ahead->Take() : -1;
    if (fd < 0) fd = within ? openat(within->Fd(), BaseName(folder).c_str(), kFlags) : open(folder.c_str(), kFlags);
    if (fd < 0) {
        openError_ = errno;
        return;
    }
    open_ = std::make_shared<const OpenFolder>(folder, fd);
    struct stat st{};
    if (fstat(fd, &st) != 0) {
        openError_ = errno;
        open_.reset();
        return;
    }
    id_ = {uint64_t(st.st_dev), uint64_t(st.st_ino)};
}

FolderHandle::~FolderHandle() = default;

bool FolderHandle::List(std::vector<FolderEntry>& out, int* error, bool openSubfolders, int threads) {
    out.clear();
    if (!IsOpen() || listed_) {
        if (error) *error = openError_ != 0 ? openError_ : EBADF;
        return false;
    }
    listed_ = true;
    errno = 0;
    const int fd = Fd();
    std::vector<size_t> subfolders;  // the entries the folder listed as folders
    const bool ok = ReadEntries(fd, [&](const char* name, unsigned char type) {
        FolderEntry entry;
        if (type == DT_REG) {
            entry.data.dwFileAttributes = FILE_ATTRIBUTE_NORMAL;
            entry.data.cFileName = name;
        } else if (type == DT_DIR) {
            entry.data.dwFileAttributes = FILE_ATTRIBUTE_DIRECTORY;
            entry.data.cFileName = name;
            subfolders.push_back(out.size());
        } else if (!ExamineEntry(fd, name, type, entry)) {
            return;
        }
        out.push_back(std::move(entry));
    });
    const int readError = errno;
    if (!ok) {
        if (error) *error = readError != 0 ? readError : EIO;
        out.clear();
        return false;
    }
    CheckSubfolders(fd, out, subfolders, openSubfolders, threads);
    SortByName(out);
    return true;
}

bool ListFolder(const std::string& folder, std::vector<FolderEntry>& out, int* error) {
    FolderHandle handle(folder);
    return handle.List(out, error);
}

bool GetFolderId(const std::string& folder, FolderId& id) {
    // The same call as the listing, so that both report the same identity.
    detail::EntryStat st;
    if (!detail::StatEntry(AT_FDCWD, folder.c_str(), st) || !S_ISDIR(st.mode)) return false;
    id = {st.device, st.inode};
    return true;
}

bool IsEnterableFolder(const std::string& path) {
    struct stat st{};
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && access(path.c_str(), X_OK) == 0;
}

}  // namespace qf
