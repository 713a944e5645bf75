#include "engine/date_rules.h"

#include "platform/file_time.h"

namespace qf {

const TimeRuleKeys kCreationRule{Opt::CREACKTIME, Opt::CREINCRADO, Opt::CREEXCRADO, Opt::CREABETWEN, Opt::CREAPREVOS,
                                 Opt::CRFROMDATE, Opt::CREATODATE, Opt::CRTIMENUMB, Opt::CREAGETYPE};
const TimeRuleKeys kWriteRule{Opt::WRTCHKTIME, Opt::WRIINCRADO, Opt::WRIEXCRADO, Opt::WRTBETWEEN, Opt::ERTPREVIOS,
                              Opt::WRFROMDATE, Opt::WRITTODATE, Opt::WRTIMENUMB, Opt::WRTAGETYPE};
const TimeRuleKeys kAccessRule{Opt::ACCCHKTIME, Opt::ACCINCRADO, Opt::ACCEXCRADO, Opt::ACCBETWEEN, Opt::ACCPREVIOS,
                               Opt::ACFROMDATE, Opt::ACCSTODATE, Opt::ACTIMENUMB, Opt::ACCAGETYPE};

namespace {

constexpr uint64_t kTicksPerSecond = 10000000;

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Steps a calendar time back by whole months, keeping the day where it exists.
SYSTEMTIME MonthsBack(SYSTEMTIME st, int64_t months) {
    constexpr int64_t kFirstMonth = int64_t(1601) * 12;  // FILETIME starts in 1601
    int64_t total = int64_t(st.wYear) * 12 + (st.wMonth - 1) - months;
    if (total < kFirstMonth) total = kFirstMonth;
    st.wYear = uint16_t(total / 12);
    st.wMonth = uint16_t(total % 12 + 1);
    const int last = DaysInMonth(st.wYear, st.wMonth);
    if (st.wDay > last) st.wDay = uint16_t(last);
    return st;
}

int64_t UnitSeconds(int unit) {
    switch (unit) {
        case kMinutes: return 60;
        case kHours: return 3600;
        case kDays: return 86400;
        case kWeeks: return 604800;
        default: return 0;  // no length: the range shrinks to now
    }
}

// -2 or +2 when t lies before or after both bounds.
bool Between(const FILETIME& t, const FILETIME& a, const FILETIME& b) {
    const int sum = CompareFileTime(t, a) + CompareFileTime(t, b);
    return sum != -2 && sum != 2;
}

FILETIME LocalOf(const FILETIME& utc) {
    FILETIME local;
    return FileTimeToLocalFileTime(utc, local) ? local : utc;
}

}  // namespace

void PreviousPeriod(int unit, uint32_t n, std::time_t now, FILETIME& lower, FILETIME& upper) {
    // The clock counts whole seconds while file times do not: a file written
    // during the current second is not in the future.
    upper = FILETIME::FromValue(FileTimeFromUnix(now).Value() + kTicksPerSecond - 1);
    if (unit == kMonths || unit == kYears) {
        SYSTEMTIME st;
        FileTimeToSystemTime(FileTimeFromUnix(now), st);
        const SYSTEMTIME back = MonthsBack(st, unit == kMonths ? int64_t(n) : int64_t(n) * 12);
        if (!SystemTimeToFileTime(back, lower)) lower = FILETIME{};
        return;
    }
    lower = FileTimeFromUnix(now - std::time_t(n) * std::time_t(UnitSeconds(unit)));
}

bool TimeInRange(const Options& options, const TimeRuleKeys& keys, const FILETIME& fileTime, std::time_t now) {
    const FILETIME t = LocalOf(fileTime);
    if (options.On(keys.between)) {
        FILETIME l1, l2;
        if (!SystemTimeToFileTime(options.Date(keys.from), l1)) l1 = FILETIME{};
        if (!SystemTimeToFileTime(options.Date(keys.to), l2)) l2 = FILETIME{};
        return Between(t, l1, l2);
    }
    FILETIME lower, upper;
    PreviousPeriod(options.Int(keys.unit), uint32_t(options.Int(keys.number)), now, lower, upper);
    return Between(t, LocalOf(lower), LocalOf(upper));
}

bool TimeRulePasses(const Options& options, const TimeRuleKeys& keys, const FILETIME& fileTime, std::time_t now) {
    if (!options.On(keys.selected)) return true;
    if (options.On(keys.include)) return TimeInRange(options, keys, fileTime, now);
    if (options.On(keys.exclude)) return !TimeInRange(options, keys, fileTime, now);
    return true;
}

}  // namespace qf
