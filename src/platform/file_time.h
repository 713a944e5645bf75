#pragma once
// Time conversions between FILETIME, SYSTEMTIME and the local zone (TZ).

#include <ctime>
#include <string>

#include "platform/win_types.h"

namespace qf {

// 100 ns intervals between 1601-01-01 and 1970-01-01.
constexpr uint64_t kFileTimeUnixEpoch = 116444736000000000ULL;

FILETIME FileTimeFromUnix(std::time_t seconds, long nanoseconds = 0);
// Whole seconds since 1970 and the remaining nanoseconds of a FILETIME.
std::time_t UnixFromFileTime(const FILETIME& ft, long* nanoseconds = nullptr);

// Calendar conversion without any zone: the fields are taken as they are.
bool SystemTimeToFileTime(const SYSTEMTIME& st, FILETIME& ft);
bool FileTimeToSystemTime(const FILETIME& ft, SYSTEMTIME& st);

// Zone conversion in the local zone of TZ.
bool FileTimeToLocalFileTime(const FILETIME& utc, FILETIME& local);
bool LocalFileTimeToFileTime(const FILETIME& local, FILETIME& utc);
bool SystemTimeToTzSpecificLocalTime(const SYSTEMTIME& utc, SYSTEMTIME& local);

SYSTEMTIME GetSystemTime();     // now, UTC
SYSTEMTIME GetLocalTime();      // now, local time of TZ

// -1, 0 or 1 like CompareFileTime.
int CompareFileTime(const FILETIME& a, const FILETIME& b);

// "%02d/%02d/%d  %02d:%02d:%02d": month, day, year, two spaces, time.
std::string FormatDateTimeSeconds(const SYSTEMTIME& st);
// "%02d/%02d/%d  %02d:%02d": the result window's form.
std::string FormatDateTimeMinutes(const SYSTEMTIME& st);

}  // namespace qf
