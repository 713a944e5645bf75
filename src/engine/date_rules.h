#pragma once
// The creation, last access and last modification time rules.

#include <ctime>

#include "platform/win_types.h"
#include "settings/options.h"

namespace qf {

// The option keys of one time rule; the three rules are built alike.
struct TimeRuleKeys {
    Opt selected, include, exclude, between, previous, from, to, number, unit;
};

extern const TimeRuleKeys kCreationRule;
extern const TimeRuleKeys kWriteRule;
extern const TimeRuleKeys kAccessRule;

enum PeriodUnit { kMinutes = 0, kHours, kDays, kWeeks, kMonths, kYears };

// The range "During prev. n units" ending at `now`, as UTC FILETIMEs. Months and
// years keep day and time of day; a day the target month lacks becomes its last day.
void PreviousPeriod(int unit, uint32_t n, std::time_t now, FILETIME& lower, FILETIME& upper);

// Whether the UTC file time lies in the rule's range (both ends included).
bool TimeInRange(const Options& options, const TimeRuleKeys& keys, const FILETIME& fileTime, std::time_t now);

// The whole rule: true when it is off or keeps the file.
bool TimeRulePasses(const Options& options, const TimeRuleKeys& keys, const FILETIME& fileTime, std::time_t now);

}  // namespace qf
