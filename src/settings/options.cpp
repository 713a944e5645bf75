#include "settings/options.h"

#include <unordered_map>

namespace qf {

const std::array<OptionInfo, kOptionCount>& AllOptions() {
    static const std::array<OptionInfo, kOptionCount> table = {{
#define QF_OPTION_INFO(key, kind, id, num, text, alt) {Opt::key, #key, OptionKind::kind, id, num, text, alt},
        QF_OPTIONS(QF_OPTION_INFO)
#undef QF_OPTION_INFO
    }};
    return table;
}

const OptionInfo& InfoOf(Opt option) { return AllOptions()[size_t(option)]; }

std::optional<Opt> OptionByKey(std::string_view key) {
    static const std::unordered_map<std::string_view, Opt> byKey = [] {
        std::unordered_map<std::string_view, Opt> m;
        for (const OptionInfo& info : AllOptions()) m.emplace(info.key, info.option);
        return m;
    }();
    auto it = byKey.find(key);
    if (it == byKey.end()) return std::nullopt;
    return it->second;
}

Options::Options() {
    for (const OptionInfo& info : AllOptions()) {
        OptionValue& v = values_[size_t(info.option)];
        v.number = info.defaultNumber;
        v.text = info.defaultText;
    }
}

void Options::Choose(std::initializer_list<Opt> group, Opt chosen) {
    for (Opt o : group) SetInt(o, o == chosen ? 1 : 0);
}

}  // namespace qf
