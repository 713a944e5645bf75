#pragma once
// The search terms file (default.TRMS): the query texts and their drop-down lists.

#include <string>
#include <vector>

#include "platform/user_messages.h"
#include "settings/setting_record.h"

namespace qf {

constexpr int32_t kTermsEndRecord = 200;

struct SearchTermsData {
    std::vector<std::string> fileNameHistory;  // the file-name query box's list
    std::string fileNameText;                  // CRFILETEXT
    std::vector<std::string> queryHistory;     // the standard query box's list, top to bottom
    std::string standardQuery;                 // FINDTEXTS1
    std::string booleanQuery;                  // FINDRICHED
    std::vector<std::string> zipHistory;       // the "ZIP File names :" box's list
    std::string zipText;                       // ZFNDFLTEXT
    bool operator==(const SearchTermsData&) const = default;
};

std::vector<_Setting_Record_Struct> SearchTermsRecords(const SearchTermsData& terms);

// Reports 0072 when the file cannot be opened for writing.
bool SaveSearchTermsFile(const SearchTermsData& terms, const std::string& path, UserMessages& messages);

// A damaged file changes nothing and is reported with one message.
bool LoadSearchTermsFile(SearchTermsData& terms, const std::string& path, UserMessages& messages);

}  // namespace qf
