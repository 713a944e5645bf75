#include "engine/date_dialog.h"

#include <string>

#include "platform/file_time.h"

namespace qf {
namespace {

const TimeRuleKeys& KeysOf(TimeGroup group) {
    switch (group) {
        case TimeGroup::Creation: return kCreationRule;
        case TimeGroup::Modification: return kWriteRule;
        default: return kAccessRule;
    }
}

TimeGroupValues GroupFromOptions(const Options& o, const TimeRuleKeys& k) {
    TimeGroupValues g;
    g.selected = o.On(k.selected);
    g.include = o.On(k.include);
    g.exclude = o.On(k.exclude);
    g.between = o.On(k.between);
    g.previous = o.On(k.previous);
    g.from = o.Date(k.from);
    g.to = o.Date(k.to);
    g.number = uint32_t(o.Int(k.number));
    g.unit = o.Int(k.unit);
    return g;
}

void StoreGroupChoices(const TimeGroupValues& g, const TimeRuleKeys& k, Options& o) {
    o.SetInt(k.selected, g.selected);
    o.SetInt(k.include, g.include);
    o.SetInt(k.exclude, g.exclude);
    o.SetInt(k.between, g.between);
    o.SetInt(k.previous, g.previous);
    o.SetInt(k.number, g.number);
    o.SetInt(k.unit, g.unit);
}

void StoreSize(const SizeValues& s, Options& o) {
    o.SetInt(Opt::CSIZECHECK, s.selected);
    o.SetInt(Opt::SIZEFROMTW, int64_t(s.from));
    o.SetInt(Opt::SIZETOWWWW, int64_t(s.to));
    o.SetInt(Opt::SIZELARGER, s.comparison == SizeComparison::Larger);
    o.SetInt(Opt::SIZESMALER, s.comparison == SizeComparison::Smaller);
    o.SetInt(Opt::SIZEEQUALT, s.comparison == SizeComparison::Equal);
    o.SetInt(Opt::SIZEBETWEN, s.comparison == SizeComparison::Between);
    o.SetInt(Opt::SIZEINBYTS, s.unit == kBytes);
    o.SetInt(Opt::SIZENKBYTS, s.unit == kKilobytes);
    o.SetInt(Opt::SIZENMBYTS, s.unit == kMegabytes);
    o.SetInt(Opt::SIZENGBYTS, s.unit == kGigabytes);
}

bool SizeValuesValid(const SizeValues& s, UserMessages& messages) {
    if (!s.selected) return true;
    if (s.from == 0) {
        messages.Show(WarningMessage("Warning !    Msg no: 0136.",
                                     " Value must be greater than 0 in the Size field!!!\n\n"
                                     "Action : You must correct the value in the Size field."));
        return false;
    }
    if (s.comparison == SizeComparison::Between && s.to == 0) {
        messages.Show(WarningMessage("Warning !    Msg no: 0137.",
                                     " Value must be greater than 0 in the TO Size field!!!\n\n"
                                     "Action : You must correct the value in the TO Size field."));
        return false;
    }
    return true;
}

Message OrderMessage(TimeGroup group) {
    switch (group) {
        case TimeGroup::Creation:
            return WarningMessage("Warning !    Msg no: 0096.",
                                  "First creation date and time must be less than or equal to the second one !!!");
        case TimeGroup::Modification:
            return WarningMessage("Warning !    Msg no: 0097.",
                                  "First last modified date and time must be less than or equal to the second one !!!");
        default:
            return WarningMessage(
                "Warning !    Msg no: 0098.",
                "The first last access date and time must be less than or equal to the second one !!!");
    }
}

bool NotLater(const SYSTEMTIME& a, const SYSTEMTIME& b) {
    FILETIME fa, fb;
    if (!SystemTimeToFileTime(a, fa) || !SystemTimeToFileTime(b, fb)) return false;
    return CompareFileTime(fa, fb) <= 0;
}

// On OK, for one time group: a selected "Between" must be in order; a
// passing group stores its two date-times.
bool StoreGroupDates(TimeGroup group, const TimeGroupValues& g, Options& o, UserMessages& messages) {
    if (!g.selected || !g.between) return true;
    if (!NotLater(g.from, g.to)) {
        messages.Show(OrderMessage(group));
        return false;
    }
    const TimeRuleKeys& k = KeysOf(group);
    o.SetDate(k.from, g.from);
    o.SetDate(k.to, g.to);
    return true;
}

}  // namespace

DateDialogValues DateDialogFromOptions(const Options& o) {
    DateDialogValues v;
    v.creation = GroupFromOptions(o, kCreationRule);
    v.modification = GroupFromOptions(o, kWriteRule);
    v.access = GroupFromOptions(o, kAccessRule);
    v.restoreTimes = o.On(Opt::RESTORETIM);
    v.size.selected = o.On(Opt::CSIZECHECK);
    v.size.from = uint64_t(o.Size(Opt::SIZEFROMTW));
    v.size.to = uint64_t(o.Size(Opt::SIZETOWWWW));
    v.size.comparison = o.On(Opt::SIZELARGER)   ? SizeComparison::Larger
                        : o.On(Opt::SIZESMALER) ? SizeComparison::Smaller
                        : o.On(Opt::SIZEEQUALT) ? SizeComparison::Equal
                        : o.On(Opt::SIZEBETWEN) ? SizeComparison::Between
                                                : SizeComparison::None;
    v.size.unit = o.On(Opt::SIZEINBYTS)   ? kBytes
                  : o.On(Opt::SIZENKBYTS) ? kKilobytes
                  : o.On(Opt::SIZENMBYTS) ? kMegabytes
                  : o.On(Opt::SIZENGBYTS) ? kGigabytes
                                          : kNoSizeUnit;
    return v;
}

uint32_t MaxPeriodNumber(int unit) {
    static constexpr uint32_t kMax[] = {240, 72, 31, 52, 12, 10};
    return unit >= 0 && unit < 6 ? kMax[unit] : 5;
}

uint64_t MaxSizeValue(int unit) {
    static constexpr uint64_t kMax[] = {2147483647ULL, 2097152ULL, 2048ULL, 2ULL};
    return unit >= 0 && unit < 4 ? kMax[unit] : 0;
}

uint32_t CheckPeriodNumber(TimeGroup group, int unit, uint32_t number, UserMessages& messages) {
    const uint32_t max = MaxPeriodNumber(unit);
    if (number <= max) return number;
    const char* caption = group == TimeGroup::Creation       ? "Warning !    Msg no: 0118."
                          : group == TimeGroup::Modification ? "Warning !    Msg no: 0119."
                                                             : "Warning !    Msg no: 0120.";
    messages.Show(WarningMessage(caption, "Maximum number to enter is : " + std::to_string(max) + "."));
    return 1;
}

uint64_t CheckSizeValue(int field, int unit, uint64_t value, UserMessages& messages) {
    const uint64_t max = MaxSizeValue(unit);
    if (value <= max) return value;
    const char* caption = field == 1 ? "Warning !    Msg no: 0123." : "Warning !    Msg no: 0124.";
    messages.Show(WarningMessage(caption, "Maximum number to enter is : " + std::to_string(max)));
    return 1;
}

bool ApplyDateDialog(const DateDialogValues& v, Options& o, UserMessages& messages) {
    if (!SizeValuesValid(v.size, messages)) return false;
    StoreSize(v.size, o);
    StoreGroupChoices(v.creation, kCreationRule, o);
    StoreGroupChoices(v.modification, kWriteRule, o);
    StoreGroupChoices(v.access, kAccessRule, o);
    if (!StoreGroupDates(TimeGroup::Creation, v.creation, o, messages)) return false;
    if (!StoreGroupDates(TimeGroup::Modification, v.modification, o, messages)) return false;
    if (!StoreGroupDates(TimeGroup::Access, v.access, o, messages)) return false;
    o.SetInt(Opt::RESTORETIM, v.restoreTimes);
    return true;
}

}  // namespace qf
