#pragma once
// The settings model: every option of a search, a result display, a report
// and a smart copy, reachable by its key.

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win_types.h"
#include "settings/option_table.h"

namespace qf {

enum class OptionKind { Flag, IntState, IntNumber, Size, Text, TextSpace, TextInt, LongText, List, Map, SpaceMap, Columns, DateTime };

enum class Opt : int {
#define QF_OPTION_ENUM(key, kind, id, num, text, alt) key,
    QF_OPTIONS(QF_OPTION_ENUM)
#undef QF_OPTION_ENUM
};

constexpr int kOptionCount = 0
#define QF_OPTION_COUNT(key, kind, id, num, text, alt) +1
    QF_OPTIONS(QF_OPTION_COUNT)
#undef QF_OPTION_COUNT
    ;

struct OptionInfo {
    Opt option;
    const char* key;
    OptionKind kind;
    int32_t recordId;        // nId in the settings file
    int64_t defaultNumber;   // flags, integers, sizes, selector positions
    const char* defaultText;
    const char* fileKey;     // see option_table.h; nullptr when the own key is used
};

const std::array<OptionInfo, kOptionCount>& AllOptions();
const OptionInfo& InfoOf(Opt option);
std::optional<Opt> OptionByKey(std::string_view key);

// A report column: number and name (at most 99 characters).
struct _List_Name_Struct {
    int32_t nNumber = 0;
    std::string sName;
    bool operator==(const _List_Name_Struct&) const = default;
};

using OptionMap = std::map<std::string, int32_t>;
using OptionList = std::vector<std::string>;
using ColumnList = std::vector<_List_Name_Struct>;

struct OptionValue {
    int64_t number = 0;     // flag, integer, size, selector position
    std::string text;
    OptionList list;
    OptionMap map;
    ColumnList columns;
    SYSTEMTIME date;
    bool operator==(const OptionValue&) const = default;
};

class Options {
public:
    Options();  // every option at its default; lists and maps empty

    int32_t Int(Opt o) const { return int32_t(values_[Index(o)].number); }
    bool On(Opt o) const { return values_[Index(o)].number == 1; }
    int64_t Size(Opt o) const { return values_[Index(o)].number; }
    const std::string& Text(Opt o) const { return values_[Index(o)].text; }
    const OptionList& List(Opt o) const { return values_[Index(o)].list; }
    const OptionMap& Map(Opt o) const { return values_[Index(o)].map; }
    const ColumnList& Columns(Opt o) const { return values_[Index(o)].columns; }
    const SYSTEMTIME& Date(Opt o) const { return values_[Index(o)].date; }
    const OptionValue& Value(Opt o) const { return values_[Index(o)]; }

    void SetInt(Opt o, int64_t v) { values_[Index(o)].number = v; }
    void SetText(Opt o, std::string v) { values_[Index(o)].text = std::move(v); }
    void SetList(Opt o, OptionList v) { values_[Index(o)].list = std::move(v); }
    void SetMap(Opt o, OptionMap v) { values_[Index(o)].map = std::move(v); }
    void SetColumns(Opt o, ColumnList v) { values_[Index(o)].columns = std::move(v); }
    void SetDate(Opt o, const SYSTEMTIME& v) { values_[Index(o)].date = v; }
    OptionValue& Mutable(Opt o) { return values_[Index(o)]; }

    // Sets one option of a group of choices and clears the others.
    void Choose(std::initializer_list<Opt> group, Opt chosen);

    bool operator==(const Options&) const = default;

    // Options without a key.
    OptionMap binaryFileTypes;          // types whose content is not searched; not saved
    int32_t linesWithHitsMode = 0;      // 0 at start, 1 after a search start, 2 after "Modify"
    std::string linesWithHitsNote;

private:
    static size_t Index(Opt o) { return size_t(o); }
    std::array<OptionValue, kOptionCount> values_;
};

}  // namespace qf
