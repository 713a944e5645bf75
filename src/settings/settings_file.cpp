#include "settings/settings_file.h"

#include <map>

#include "platform/case_fold.h"
#include "platform/file_time.h"
#include "settings/record_file_io.h"
#include "settings/record_file_reader.h"

namespace qf {
namespace {

using Record = _Setting_Record_Struct;

bool IsText(OptionKind k) {
    return k == OptionKind::Text || k == OptionKind::TextSpace || k == OptionKind::TextInt ||
           k == OptionKind::LongText;
}

bool IsCollection(OptionKind k) {
    return k == OptionKind::List || k == OptionKind::Map || k == OptionKind::SpaceMap || k == OptionKind::Columns;
}

// The key field of a record: the option's own, or its file key (for a text
// only when the text is empty).
std::string FileKeyFor(const OptionInfo& info, bool emptyText) {
    if (info.fileKey && (!IsText(info.kind) || emptyText)) return info.fileKey;
    return info.key;
}

uint64_t DateToFileTime(const SYSTEMTIME& st) {
    FILETIME ft;
    return SystemTimeToFileTime(st, ft) ? ft.Value() : 0;
}

void AppendScalar(const OptionInfo& info, const OptionValue& v, std::vector<Record>& out) {
    Record r;
    r.nId = info.recordId;
    r.sKey = FileKeyFor(info, v.text.empty());
    switch (info.kind) {
        case OptionKind::Flag:
        case OptionKind::IntState: r.nState = int32_t(v.number); break;
        case OptionKind::IntNumber: r.nNumber = int32_t(v.number); break;
        case OptionKind::Size: r.llSize = v.number; break;
        case OptionKind::Text: r.sText = v.text; break;
        case OptionKind::TextSpace: r.sText = v.text.empty() ? " " : v.text; break;
        case OptionKind::TextInt:
            r.sText = v.text;
            r.nState = int32_t(v.number);
            break;
        case OptionKind::LongText: r.sLongText = v.text; break;
        case OptionKind::DateTime: r.ftDate = DateToFileTime(v.date); break;
        default: break;
    }
    out.push_back(std::move(r));
}

void AppendCollection(const OptionInfo& info, const OptionValue& v, std::vector<Record>& out) {
    Record r;
    r.nId = info.recordId;
    r.sKey = FileKeyFor(info, false);
    switch (info.kind) {
        case OptionKind::List:
            for (const std::string& element : v.list) {
                r.sText = element;
                out.push_back(r);
            }
            break;
        case OptionKind::Map:
        case OptionKind::SpaceMap:
            for (const auto& [entry, count] : v.map) {
                r.sText = (info.kind == OptionKind::SpaceMap && entry == " ") ? "space" : entry;
                r.nState = count;
                out.push_back(r);
            }
            break;
        case OptionKind::Columns:
            for (const _List_Name_Struct& column : v.columns) {
                r.sText = column.sName;
                r.nNumber = column.nNumber;
                out.push_back(r);
            }
            break;
        default: break;
    }
}

Message OpenForWriteMessage() {
    return ErrorMessage("Severe Error!    Msg no: 0069.",
                        "Unable to open output file to save settings !\n\nAction: Try to save again the settings, "
                        "or \n\nimmediately e-mail us, please!");
}

Message WriteFailedMessage(const std::string& path) {
    return ErrorMessage("Severe Error!    Msg no: 1004.",
                        "The settings could not be written completely :\n\n" + path +
                            "\n\nAction: Check the free space of the disk and save the settings again.");
}

// ---- reading ----

std::string Field10(std::string_view key) { return std::string(key.substr(0, 10)); }

// A text may carry its own key or, when empty, its file key; any other
// option with a file key always carries that one.
bool KeyMatches(const OptionInfo& info, const std::string& key) {
    if (info.fileKey && key == Field10(info.fileKey)) return true;
    return (!info.fileKey || IsText(info.kind)) && key == Field10(info.key);
}

const std::map<int32_t, const OptionInfo*>& InfoByRecordId() {
    static const std::map<int32_t, const OptionInfo*> byId = [] {
        std::map<int32_t, const OptionInfo*> m;
        for (const OptionInfo& info : AllOptions()) m.emplace(info.recordId, &info);
        return m;
    }();
    return byId;
}

// A single space stands for an empty text. Where the default itself is a
// single space the space is kept, as every earlier reader kept it (those
// texts are used trimmed, so both mean the same).
std::string TextFromFile(const OptionInfo& info, const std::string& text) {
    if (info.kind != OptionKind::TextSpace || text != " ") return text;
    return std::string_view(info.defaultText) == " " ? " " : "";
}

std::string ApplyRecord(const OptionInfo& info, const Record& r, Options& o) {
    OptionValue& v = o.Mutable(info.option);
    switch (info.kind) {
        case OptionKind::Flag:
            if (r.nState != 0 && r.nState != 1) return "holds " + std::to_string(r.nState) + " for a check box";
            v.number = r.nState;
            break;
        case OptionKind::IntState: v.number = r.nState; break;
        case OptionKind::IntNumber: v.number = r.nNumber; break;
        case OptionKind::Size: v.number = r.llSize; break;
        case OptionKind::Text:
        case OptionKind::TextSpace: v.text = TextFromFile(info, r.sText); break;
        case OptionKind::TextInt:
            v.text = r.sText;
            v.number = r.nState;
            break;
        case OptionKind::LongText: v.text = r.sLongText; break;
        case OptionKind::DateTime: {
            v.date = SYSTEMTIME{};
            if (r.ftDate != 0 && !FileTimeToSystemTime(FILETIME::FromValue(r.ftDate), v.date))
                return "holds a date that is out of range";
            break;
        }
        case OptionKind::List: v.list.push_back(r.sText); break;
        case OptionKind::Map:
        case OptionKind::SpaceMap: v.map[CharLowerA(r.sText)] = r.nState; break;
        case OptionKind::Columns: v.columns.push_back({r.nNumber, r.sText}); break;
    }
    return {};
}

class SettingsReader : public RecordFileReader {
public:
    explicit SettingsReader(Options& target) : target_(target) {
        for (const OptionInfo& info : AllOptions())
            if (IsCollection(info.kind)) {
                OptionValue& v = target_.Mutable(info.option);
                v.list.clear();
                v.map.clear();
                v.columns.clear();
            }
    }

protected:
    int32_t EndRecordId() const override { return kSettingsEndRecord; }
    bool WantsLongText(int32_t id) const override { return id == InfoOf(Opt::FINDRICHED).recordId; }
    RecordVerdict Apply(const Record& r, std::string& fault) override {
        auto it = InfoByRecordId().find(r.nId);
        if (it == InfoByRecordId().end()) return RecordVerdict::Unknown;
        const OptionInfo& info = *it->second;
        if (!KeyMatches(info, r.sKey)) {
            fault = "carries the key \"" + r.sKey + "\" for record number " + std::to_string(r.nId);
            return RecordVerdict::Damaged;
        }
        fault = ApplyRecord(info, r, target_);
        return fault.empty() ? RecordVerdict::Applied : RecordVerdict::Damaged;
    }

private:
    Options& target_;
};

}  // namespace

std::vector<Record> SettingsRecords(const Options& options) {
    std::vector<Record> records;
    records.reserve(512);
    for (const OptionInfo& info : AllOptions()) {
        const OptionValue& v = options.Value(info.option);
        if (IsCollection(info.kind))
            AppendCollection(info, v, records);
        else
            AppendScalar(info, v, records);
    }
    Record end;
    end.nId = kSettingsEndRecord;
    end.sKey = kEndRecordKey;
    records.push_back(end);
    return records;
}

bool SaveSettingsFile(const Options& options, const std::string& path, UserMessages& messages) {
    switch (WriteRecordFile(path, SettingsRecords(options))) {
        case WriteResult::Written: return true;
        case WriteResult::OpenFailed: messages.Show(OpenForWriteMessage()); return false;
        case WriteResult::WriteFailed: messages.Show(WriteFailedMessage(path)); return false;
    }
    return false;
}

bool LoadSettingsFile(Options& options, const std::string& path, UserMessages& messages) {
    Options copy = options;
    SettingsReader reader(copy);
    if (!reader.ReadFile(path, "settings", messages)) return false;
    options = std::move(copy);
    return true;
}

}  // namespace qf
