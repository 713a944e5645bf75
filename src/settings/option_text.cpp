#include "settings/option_text.h"

#include <charconv>
#include <cstdio>

#include "platform/case_fold.h"
#include "platform/file_time.h"
#include "settings/choice_groups.h"
#include "settings/default_lists.h"

namespace qf {
namespace {

bool ParseInteger(std::string_view text, int64_t low, int64_t high, int64_t& out) {
    int64_t v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size() || v < low || v > high) return false;
    out = v;
    return true;
}

bool SetFlag(Options& o, Opt opt, std::string_view value, std::string& error) {
    if (value != "0" && value != "1") {
        error = "a check box takes 0 or 1";
        return false;
    }
    if (value == "1" && !ChoiceGroupOf(opt).empty())
        SelectChoice(o, opt);
    else
        o.SetInt(opt, value == "1" ? 1 : 0);
    return true;
}

bool AddColumn(Options& o, Opt opt, std::string_view value, std::string& error) {
    const size_t colon = value.find(':');
    int64_t number = 0;
    if (!ParseInteger(value.substr(0, colon), 1, 11, number)) {
        error = "a column is NUMBER or NUMBER:NAME with a number from 1 to 11";
        return false;
    }
    std::string name = colon == std::string_view::npos ? ReportColumns()[size_t(number - 1)].sName
                                                       : std::string(value.substr(colon + 1));
    if (name.size() > 99) name.resize(99);
    o.Mutable(opt).columns.push_back({int32_t(number), std::move(name)});
    return true;
}

bool SetCollection(Options& o, const OptionInfo& info, std::string_view value, std::string& error) {
    OptionValue& v = o.Mutable(info.option);
    if (value.empty()) {
        v.list.clear();
        v.map.clear();
        v.columns.clear();
        return true;
    }
    switch (info.kind) {
        case OptionKind::List: v.list.emplace_back(value); return true;
        case OptionKind::Map:
        case OptionKind::SpaceMap: v.map.emplace(CharLowerA(value), 0); return true;
        default: return AddColumn(o, info.option, value, error);
    }
}

bool SetNumber(Options& o, const OptionInfo& info, std::string_view value, std::string& error) {
    const bool wide = info.kind == OptionKind::Size;
    const int64_t low = wide ? INT64_MIN : INT32_MIN;
    const int64_t high = wide ? INT64_MAX : INT32_MAX;
    int64_t v = 0;
    if (!ParseInteger(value, low, high, v)) {
        error = wide ? "a size takes a whole number" : "an integer option takes a 32-bit whole number";
        return false;
    }
    o.SetInt(info.option, v);
    return true;
}

}  // namespace

bool ParseDateTimeText(std::string_view text, SYSTEMTIME& out) {
    const std::string s(text);
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, sec = 0;
    char tail = 0;
    const int iso = std::sscanf(s.c_str(), "%4d-%2d-%2d%*[ T]%2d:%2d:%2d%c", &y, &mo, &d, &h, &mi, &sec, &tail);
    const int us = iso >= 3 ? 0 : std::sscanf(s.c_str(), "%2d/%2d/%4d %2d:%2d:%2d%c", &mo, &d, &y, &h, &mi, &sec, &tail);
    const int fields = iso >= 3 ? iso : us;
    if (fields != 3 && fields != 5 && fields != 6) return false;
    if (iso < 3 && fields < 5) return false;
    SYSTEMTIME st;
    st.wYear = uint16_t(y);
    st.wMonth = uint16_t(mo);
    st.wDay = uint16_t(d);
    st.wHour = uint16_t(h);
    st.wMinute = uint16_t(mi);
    st.wSecond = uint16_t(sec);
    // Normalises the day of week and rejects impossible dates.
    FILETIME ft;
    if (y < 1601 || y > 30827 || !SystemTimeToFileTime(st, ft) || !FileTimeToSystemTime(ft, out)) return false;
    return true;
}

bool SetOptionFromText(Options& o, std::string_view key, std::string_view value, std::string& error) {
    const std::optional<Opt> opt = OptionByKey(key);
    if (!opt) {
        error = "unknown settings key \"" + std::string(key) + "\"";
        return false;
    }
    const OptionInfo& info = InfoOf(*opt);
    switch (info.kind) {
        case OptionKind::Flag: return SetFlag(o, *opt, value, error);
        case OptionKind::IntState:
        case OptionKind::IntNumber:
        case OptionKind::Size: return SetNumber(o, info, value, error);
        case OptionKind::Text:
        case OptionKind::TextSpace:
        case OptionKind::TextInt:
        case OptionKind::LongText: o.SetText(*opt, std::string(value)); return true;
        case OptionKind::DateTime: {
            SYSTEMTIME st;
            if (!ParseDateTimeText(value, st)) {
                error = "a date-time takes YYYY-MM-DD[ HH:MM[:SS]] or MM/DD/YYYY  HH:MM:SS";
                return false;
            }
            o.SetDate(*opt, st);
            return true;
        }
        default: return SetCollection(o, info, value, error);
    }
}

}  // namespace qf
