#include "engine/name_hits.h"

#include "engine/file_extension.h"
#include "textsearch/standard_query.h"

namespace qf {

std::optional<tagSelectedFileFolderStruct> MatchNameHit(const QueryContext& query, const std::string& text, int kind,
                                                        const tagSelectedFileFolderStruct& entry) {
    if (text.empty() || text == kNoExtension) return std::nullopt;
    MAP_TERM_POSITIONS positions;
    MAP_TERM_LENGTHS lengths;
    const int resultKind = MatchName(query, text, kind, positions, &lengths);
    if (resultKind == 0) return std::nullopt;
    tagSelectedFileFolderStruct hit = entry;
    hit.resultKind = resultKind;
    hit.nameHits.clear();
    hit.nameHits[1] = tagStructLineAndPositions{text, std::move(positions), std::move(lengths)};
    return hit;
}

}  // namespace qf
