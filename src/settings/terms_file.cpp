#include "settings/terms_file.h"

#include "settings/record_file_io.h"
#include "settings/record_file_reader.h"
#include "settings/settings_file.h"

namespace qf {
namespace {

using Record = _Setting_Record_Struct;

enum TermsRecord : int32_t {
    kFileNameHistory = 1,
    kFileNameText = 2,
    kQueryHistory = 3,
    kStandardQuery = 4,
    kBooleanQuery = 5,
    kZipHistory = 6,
    kZipText = 7,
};

const char* KeyOf(int32_t id) {
    switch (id) {
        case kFileNameHistory: return "FINDFILCOM";
        case kFileNameText: return "FDFILETEXT";
        case kQueryHistory: return "FINDTXTCOM";
        case kStandardQuery: return "FINDTEXTS1";
        case kBooleanQuery: return "FINDRICHED";
        case kZipHistory: return "ZFINDFLCOM";
        case kZipText: return "ZFDFILETXT";
        default: return nullptr;
    }
}

Record TextRecord(int32_t id, const std::string& text) {
    Record r;
    r.nId = id;
    r.sKey = KeyOf(id);
    r.sText = text;
    return r;
}

void AppendList(int32_t id, const std::vector<std::string>& list, std::vector<Record>& out) {
    for (const std::string& entry : list) out.push_back(TextRecord(id, entry));
}

std::string SpaceIfEmpty(const std::string& s) { return s.empty() ? " " : s; }
std::string EmptyIfSpace(const std::string& s) { return s == " " ? "" : s; }

class TermsReader : public RecordFileReader {
public:
    explicit TermsReader(SearchTermsData& target) : t_(target) {}

protected:
    int32_t EndRecordId() const override { return kTermsEndRecord; }
    bool WantsLongText(int32_t id) const override { return id == kBooleanQuery; }
    RecordVerdict Apply(const Record& r, std::string& fault) override {
        const char* key = KeyOf(r.nId);
        if (!key) return RecordVerdict::Unknown;
        if (r.sKey != key) {
            fault = "carries the key \"" + r.sKey + "\" for record number " + std::to_string(r.nId);
            return RecordVerdict::Damaged;
        }
        switch (r.nId) {
            case kFileNameHistory: t_.fileNameHistory.push_back(r.sText); break;
            case kFileNameText: t_.fileNameText = EmptyIfSpace(r.sText); break;
            case kQueryHistory: t_.queryHistory.push_back(r.sText); break;
            case kStandardQuery: t_.standardQuery = r.sText; break;
            case kBooleanQuery: t_.booleanQuery = r.sLongText; break;
            case kZipHistory: t_.zipHistory.push_back(r.sText); break;
            case kZipText: t_.zipText = EmptyIfSpace(r.sText); break;
        }
        return RecordVerdict::Applied;
    }

private:
    SearchTermsData& t_;
};

}  // namespace

std::vector<Record> SearchTermsRecords(const SearchTermsData& t) {
    std::vector<Record> records;
    AppendList(kFileNameHistory, t.fileNameHistory, records);
    records.push_back(TextRecord(kFileNameText, SpaceIfEmpty(t.fileNameText)));
    AppendList(kQueryHistory, t.queryHistory, records);
    records.push_back(TextRecord(kStandardQuery, t.standardQuery));
    Record boolean = TextRecord(kBooleanQuery, "");
    boolean.sLongText = t.booleanQuery;
    records.push_back(boolean);
    AppendList(kZipHistory, t.zipHistory, records);
    records.push_back(TextRecord(kZipText, SpaceIfEmpty(t.zipText)));
    Record end;
    end.nId = kTermsEndRecord;
    end.sKey = kEndRecordKey;
    records.push_back(end);
    return records;
}

bool SaveSearchTermsFile(const SearchTermsData& terms, const std::string& path, UserMessages& messages) {
    switch (WriteRecordFile(path, SearchTermsRecords(terms))) {
        case WriteResult::Written: return true;
        case WriteResult::OpenFailed:
            messages.Show(ErrorMessage("Severe Error!    Msg no: 0072.",
                                       "Unable to open output file to save search terms !\n\nAction: Try to save "
                                       "again the search terms, or \n\nimmediately e-mail us, please!"));
            return false;
        case WriteResult::WriteFailed:
            messages.Show(ErrorMessage("Severe Error!    Msg no: 1005.",
                                       "The search terms could not be written completely :\n\n" + path +
                                           "\n\nAction: Check the free space of the disk and save them again."));
            return false;
    }
    return false;
}

bool LoadSearchTermsFile(SearchTermsData& terms, const std::string& path, UserMessages& messages) {
    SearchTermsData copy;
    TermsReader reader(copy);
    if (!reader.ReadFile(path, "search terms", messages)) return false;
    terms = std::move(copy);
    return true;
}

}  // namespace qf
