#pragma once
// The checks of the "Date and time settings" dialog, as plain functions over
// the values of its controls, so that every front end shares them.

#include <cstdint>

#include "engine/date_rules.h"
#include "platform/user_messages.h"
#include "settings/options.h"

namespace qf {

enum class TimeGroup { Creation, Modification, Access };

struct TimeGroupValues {
    bool selected = false;
    bool include = true;
    bool exclude = false;
    bool between = false;
    bool previous = false;
    SYSTEMTIME from;
    SYSTEMTIME to;
    uint32_t number = 1;
    int unit = 0;
};

enum class SizeComparison { None, Larger, Smaller, Equal, Between };
enum SizeUnit { kNoSizeUnit = -1, kBytes = 0, kKilobytes, kMegabytes, kGigabytes };

struct SizeValues {
    bool selected = false;
    SizeComparison comparison = SizeComparison::None;
    int unit = kNoSizeUnit;
    uint64_t from = 0;
    uint64_t to = 0;
};

struct DateDialogValues {
    TimeGroupValues creation;
    TimeGroupValues modification;
    TimeGroupValues access;
    bool restoreTimes = false;
    SizeValues size;
};

DateDialogValues DateDialogFromOptions(const Options& options);

// Largest N of "During prev." for a unit (5 for an unknown unit).
uint32_t MaxPeriodNumber(int unit);
// Largest value of a size field for a unit (0 for no unit).
uint64_t MaxSizeValue(int unit);

// A typed N above the unit's largest: warning 0118, 0119 or 0120, and N becomes 1.
uint32_t CheckPeriodNumber(TimeGroup group, int unit, uint32_t number, UserMessages& messages);
// A typed size above the unit's largest: warning 0123 (first field) or 0124
// (second field), and the value becomes 1.
uint64_t CheckSizeValue(int field, int unit, uint64_t value, UserMessages& messages);

// OK: the checks and stores in the dialog's order. False when a check failed
// (its warning has been shown; what the earlier steps stored stays).
bool ApplyDateDialog(const DateDialogValues& values, Options& options, UserMessages& messages);

}  // namespace qf
