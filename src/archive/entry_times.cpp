#include "archive/entry_times.h"

#include <optional>

#include "platform/file_time.h"

namespace qf {
namespace {

constexpr uint16_t kNtfsTag = 0x000a;
constexpr uint16_t kExtendedTimeTag = 0x5455;

uint16_t Read16(std::string_view data, size_t at) {
    return uint16_t(uint8_t(data[at]) | (uint8_t(data[at + 1]) << 8));
}

uint32_t Read32(std::string_view data, size_t at) { return uint32_t(Read16(data, at)) | (uint32_t(Read16(data, at + 2)) << 16); }

uint64_t Read64(std::string_view data, size_t at) { return uint64_t(Read32(data, at)) | (uint64_t(Read32(data, at + 4)) << 32); }

// The data of the first extra block with `tag`.
std::optional<std::string_view> FindBlock(std::string_view extra, uint16_t tag) {
    size_t at = 0;
    while (at + 4 <= extra.size()) {
        const uint16_t blockTag = Read16(extra, at);
        const uint16_t size = Read16(extra, at + 2);
        if (at + 4 + size > extra.size()) return std::nullopt;
        if (blockTag == tag) return extra.substr(at + 4, size);
        at += 4 + size;
    }
    return std::nullopt;
}

// NTFS block: four reserved bytes, then attribute 1 with the three FILETIMEs.
std::optional<EntryTimes> NtfsTimes(std::string_view block) {
    size_t at = 4;
    while (at + 4 <= block.size()) {
        const uint16_t tag = Read16(block, at);
        const uint16_t size = Read16(block, at + 2);
        if (tag == 1 && size >= 24 && at + 4 + 24 <= block.size()) {
            return EntryTimes{FILETIME::FromValue(Read64(block, at + 20)), FILETIME::FromValue(Read64(block, at + 12)),
                              FILETIME::FromValue(Read64(block, at + 4))};
        }
        at += 4 + size;
    }
    return std::nullopt;
}

// Extended timestamp: a flag byte, then the present times as Unix seconds.
std::optional<EntryTimes> ExtendedTimes(std::string_view block) {
    if (block.size() < 5 || !(uint8_t(block[0]) & 1)) return std::nullopt;
    const uint8_t flags = uint8_t(block[0]);
    const FILETIME write = FileTimeFromUnix(std::time_t(Read32(block, 1)));
    EntryTimes times{write, write, write};
    size_t at = 5;
    if ((flags & 2) && at + 4 <= block.size()) {
        times.lastAccess = FileTimeFromUnix(std::time_t(Read32(block, at)));
        at += 4;
    }
    if ((flags & 4) && at + 4 <= block.size()) times.creation = FileTimeFromUnix(std::time_t(Read32(block, at)));
    return times;
}

FILETIME DosTime(const DosDateTime& dos) {
    SYSTEMTIME local;
    local.wYear = uint16_t(dos.year);
    local.wMonth = uint16_t(dos.month);
    local.wDay = uint16_t(dos.day);
    local.wHour = uint16_t(dos.hour);
    local.wMinute = uint16_t(dos.minute);
    local.wSecond = uint16_t(dos.second);
    FILETIME localTime, utc;
    if (!SystemTimeToFileTime(local, localTime)) return {};
    return LocalFileTimeToFileTime(localTime, utc) ? utc : localTime;
}

}  // namespace

EntryTimes ReadEntryTimes(std::string_view extraField, const DosDateTime& dos) {
    if (auto block = FindBlock(extraField, kNtfsTag))
        if (auto times = NtfsTimes(*block)) return *times;
    if (auto block = FindBlock(extraField, kExtendedTimeTag))
        if (auto times = ExtendedTimes(*block)) return *times;
    const FILETIME write = DosTime(dos);
    return EntryTimes{write, write, write};
}

}  // namespace qf
