#pragma once
// What a click shows in the preview area. For now the hit line itself with its
// recorded hits coloured; the full preview with the lines above and below is
// the results layer's, and replaces BuildHitLinePreview when it lands.

#include <vector>

#include "results/result_record.h"
#include "results/result_store.h"
#include "shell/hit_text.h"

namespace qf::shell {

// False when the preview is to stay as it is: a "not contained" or negated
// result, or a file the store does not hold.
bool BuildHitLinePreview(const tagPrivStruct& record, const FileResultsStore& store,
                         const std::vector<std::string>& comparisonTerms, HitText& out);

// The store's entry for the record's file, or nullptr.
const tagFileStrukt* FindStoredFile(const FileResultsStore& store, const tagPrivStruct& record);

// The record's hit line number (1 for name results).
uint32_t RecordLine(const tagPrivStruct& record);

}  // namespace qf::shell
