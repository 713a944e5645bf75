#include "platform/file_time.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <limits>

namespace qf {
namespace {

constexpr int64_t kTicksPerSecond = 10'000'000;
constexpr int64_t kTicksPerMilli = 10'000;
constexpr int64_t kSecondsPerDay = 86'400;
// Seconds from 1601-01-01 to 1970-01-01.
constexpr int64_t kEpochSeconds = int64_t(kFileTimeUnixEpoch / kTicksPerSecond);
// A FILETIME with the top bit set has no calendar form.
constexpr uint64_t kMaxCalendarTicks = uint64_t(std::numeric_limits<int64_t>::max());

bool IsLeapYear(int64_t y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int64_t year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Days since 1970-01-01 of a proleptic Gregorian date; valid for any year.
int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(int64_t z, int64_t& y, int& m, int& d) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    d = int(doy - (153 * mp + 2) / 5 + 1);
    m = int(mp < 10 ? mp + 3 : mp - 9);
    y = yoe + era * 400 + (m <= 2);
}

bool IsValidSystemTime(const SYSTEMTIME& st) {
    if (st.wYear < 1601 || st.wYear > 30827) return false;
    if (st.wMonth < 1 || st.wMonth > 12) return false;
    if (st.wDay < 1 || st.wDay > DaysInMonth(st.wYear, st.wMonth)) return false;
    return st.wHour < 24 && st.wMinute < 60 && st.wSecond < 60 && st.wMilliseconds < 1000;
}

// Adds a signed number of seconds to a FILETIME; false when it leaves the range.
bool ShiftFileTime(const FILETIME& in, int64_t seconds, FILETIME& out) {
    const uint64_t v = in.Value();
    if (seconds >= 0) {
        const uint64_t add = uint64_t(seconds) * kTicksPerSecond;
        if (v > kMaxCalendarTicks - add) return false;
        out = FILETIME::FromValue(v + add);
    } else {
        const uint64_t sub = uint64_t(-seconds) * kTicksPerSecond;
        if (v < sub) return false;
        out = FILETIME::FromValue(v - sub);
    }
    return true;
}

std::string FormatDateTime(const SYSTEMTIME& st, bool withSeconds) {
    char buffer[64];
    if (withSeconds)
        std::snprintf(buffer, sizeof buffer, "%02d/%02d/%d  %02d:%02d:%02d", st.wMonth, st.wDay, st.wYear,
                      st.wHour, st.wMinute, st.wSecond);
    else
        std::snprintf(buffer, sizeof buffer, "%02d/%02d/%d  %02d:%02d", st.wMonth, st.wDay, st.wYear, st.wHour,
                      st.wMinute);
    return buffer;
}

}  // namespace

FILETIME FileTimeFromUnix(std::time_t seconds, long nanoseconds) {
    int64_t secs = int64_t(seconds) + nanoseconds / 1'000'000'000;
    int64_t nanos = nanoseconds % 1'000'000'000;
    if (nanos < 0) {
        nanos += 1'000'000'000;
        --secs;
    }
    // Times before 1601 or beyond the 64-bit range are clamped to the ends.
    if (secs < -kEpochSeconds) return {};
    const uint64_t since1601 = uint64_t(secs + kEpochSeconds);
    const uint64_t maxSeconds = std::numeric_limits<uint64_t>::max() / kTicksPerSecond - 1;
    if (since1601 > maxSeconds) return FILETIME::FromValue(std::numeric_limits<uint64_t>::max());
    return FILETIME::FromValue(since1601 * kTicksPerSecond + uint64_t(nanos / 100));
}

std::time_t UnixFromFileTime(const FILETIME& ft, long* nanoseconds) {
    const uint64_t v = ft.Value();
    int64_t secs;
    uint64_t rest;
    if (v >= kFileTimeUnixEpoch) {
        const uint64_t diff = v - kFileTimeUnixEpoch;
        secs = int64_t(diff / kTicksPerSecond);
        rest = diff % kTicksPerSecond;
    } else {
        // Round towards the past so that the remainder stays positive.
        const uint64_t diff = kFileTimeUnixEpoch - v;
        secs = -int64_t(diff / kTicksPerSecond);
        rest = diff % kTicksPerSecond;
        if (rest != 0) {
            --secs;
            rest = kTicksPerSecond - rest;
        }
    }
    if (nanoseconds) *nanoseconds = long(rest * 100);
    return std::time_t(secs);
}

bool SystemTimeToFileTime(const SYSTEMTIME& st, FILETIME& ft) {
    if (!IsValidSystemTime(st)) return false;
    const int64_t days = DaysFromCivil(st.wYear, st.wMonth, st.wDay) + kEpochSeconds / kSecondsPerDay;
    const int64_t seconds = days * kSecondsPerDay + st.wHour * 3600 + st.wMinute * 60 + st.wSecond;
    ft = FILETIME::FromValue(uint64_t(seconds) * kTicksPerSecond + uint64_t(st.wMilliseconds) * kTicksPerMilli);
    return true;
}

bool FileTimeToSystemTime(const FILETIME& ft, SYSTEMTIME& st) {
    const uint64_t v = ft.Value();
    if (v > kMaxCalendarTicks) return false;
    const uint64_t seconds = v / kTicksPerSecond;
    const int64_t days = int64_t(seconds / kSecondsPerDay);
    const int64_t secondOfDay = int64_t(seconds % kSecondsPerDay);
    int64_t year;
    int month, day;
    CivilFromDays(days - kEpochSeconds / kSecondsPerDay, year, month, day);
    st.wYear = uint16_t(year);
    st.wMonth = uint16_t(month);
    st.wDay = uint16_t(day);
    st.wDayOfWeek = uint16_t((days + 1) % 7);  // 1601-01-01 was a Monday
    st.wHour = uint16_t(secondOfDay / 3600);
    st.wMinute = uint16_t(secondOfDay / 60 % 60);
    st.wSecond = uint16_t(secondOfDay % 60);
    st.wMilliseconds = uint16_t(v % kTicksPerSecond / kTicksPerMilli);
    return true;
}

bool FileTimeToLocalFileTime(const FILETIME& utc, FILETIME& local) {
    const std::time_t t = UnixFromFileTime(utc);
    std::tm tm{};
    if (!localtime_r(&t, &tm)) return false;
    // The zone's offset at that moment, so that summer time is taken into account.
    return ShiftFileTime(utc, tm.tm_gmtoff, local);
}

bool LocalFileTimeToFileTime(const FILETIME& local, FILETIME& utc) {
    SYSTEMTIME st;
    if (!FileTimeToSystemTime(local, st)) return false;
    std::tm tm{};
    tm.tm_year = st.wYear - 1900;
    tm.tm_mon = st.wMonth - 1;
    tm.tm_mday = st.wDay;
    tm.tm_hour = st.wHour;
    tm.tm_min = st.wMinute;
    tm.tm_sec = st.wSecond;
    tm.tm_isdst = -1;
    errno = 0;
    const std::time_t t = mktime(&tm);
    if (t == std::time_t(-1) && errno != 0) return false;
    const FILETIME whole = FileTimeFromUnix(t);
    utc = FILETIME::FromValue(whole.Value() + local.Value() % kTicksPerSecond);
    return true;
}

bool SystemTimeToTzSpecificLocalTime(const SYSTEMTIME& utc, SYSTEMTIME& local) {
    FILETIME utcTime, localTime;
    return SystemTimeToFileTime(utc, utcTime) && FileTimeToLocalFileTime(utcTime, localTime) &&
           FileTimeToSystemTime(localTime, local);
}

SYSTEMTIME GetSystemTime() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    SYSTEMTIME st;
    FileTimeToSystemTime(FileTimeFromUnix(now.tv_sec, now.tv_nsec), st);
    return st;
}

SYSTEMTIME GetLocalTime() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    FILETIME local = FileTimeFromUnix(now.tv_sec, now.tv_nsec);
    FileTimeToLocalFileTime(local, local);
    SYSTEMTIME st;
    FileTimeToSystemTime(local, st);
    return st;
}

int CompareFileTime(const FILETIME& a, const FILETIME& b) {
    const uint64_t x = a.Value(), y = b.Value();
    return x < y ? -1 : (x > y ? 1 : 0);
}

std::string FormatDateTimeSeconds(const SYSTEMTIME& st) { return FormatDateTime(st, true); }

std::string FormatDateTimeMinutes(const SYSTEMTIME& st) { return FormatDateTime(st, false); }

}  // namespace qf
