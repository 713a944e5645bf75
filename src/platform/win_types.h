#pragma once
// Plain records that mirror the Windows time and find-data structures the
// rest of the program is written against. Filled from POSIX calls.

#include <cstdint>
#include <string>

namespace qf {

// 100-nanosecond intervals since 1601-01-01 UTC.
struct FILETIME {
    uint32_t dwLowDateTime = 0;
    uint32_t dwHighDateTime = 0;

    uint64_t Value() const { return (uint64_t(dwHighDateTime) << 32) | dwLowDateTime; }
    static FILETIME FromValue(uint64_t v) { return {uint32_t(v & 0xffffffffu), uint32_t(v >> 32)}; }
    bool operator==(const FILETIME&) const = default;
};

struct SYSTEMTIME {
    uint16_t wYear = 0;
    uint16_t wMonth = 0;
    uint16_t wDayOfWeek = 0;
    uint16_t wDay = 0;
    uint16_t wHour = 0;
    uint16_t wMinute = 0;
    uint16_t wSecond = 0;
    uint16_t wMilliseconds = 0;
    bool operator==(const SYSTEMTIME&) const = default;
};

constexpr uint32_t FILE_ATTRIBUTE_DIRECTORY = 0x10;
constexpr uint32_t FILE_ATTRIBUTE_NORMAL = 0x80;

// One listed entry: what a folder listing reports about a file or folder.
struct WIN32_FIND_DATAA {
    uint32_t dwFileAttributes = 0;
    FILETIME ftCreationTime;
    FILETIME ftLastAccessTime;
    FILETIME ftLastWriteTime;
    uint64_t nFileSize = 0;  // nFileSizeHigh:nFileSizeLow as one value
    std::string cFileName;

    bool IsFolder() const { return (dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }
    uint32_t nFileSizeHigh() const { return uint32_t(nFileSize >> 32); }
    uint32_t nFileSizeLow() const { return uint32_t(nFileSize & 0xffffffffu); }
};

}  // namespace qf
