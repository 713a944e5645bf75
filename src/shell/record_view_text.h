#pragma once
// The values that the record view shows beside its 22 labels.

#include <array>
#include <string>
#include <vector>

#include "results/result_record.h"
#include "results/result_store.h"
#include "results/search_results.h"
#include "shell/hit_text.h"

namespace qf::shell {

constexpr int kRecordViewFields = 22;
const std::array<const char*, kRecordViewFields>& RecordViewLabels();

struct FolderFileCounts {
    size_t folders = 0;         // folders of the search
    size_t filesInFolder = 0;   // files of the record's folder
};

// Counted from the list: folders by their numbers, files of one folder by their keys.
FolderFileCounts CountFolderFiles(const RESULT_LIST& list, const std::string& folderNumber);

// The 22 values of a record whose file the store holds. Only the first two
// carry coloured hits.
std::array<HitText, kRecordViewFields> RecordViewValues(const tagPrivStruct& record, const tagFileStrukt& file,
                                                        const std::vector<std::string>& comparisonTerms,
                                                        const FolderFileCounts& counts);

}  // namespace qf::shell
