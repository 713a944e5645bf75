#pragma once
// Folder names, file names and extensions matched against the query.

#include <optional>
#include <string>

#include "results/selected_file.h"
#include "textsearch/query_context.h"

namespace qf {

// Matches `text` as a name of `kind` (1 folder name, 2 file name, 10
// extension). On a result, returns `entry` with its kind and the text as hit
// line 1; an empty text or "noext" never matches.
std::optional<tagSelectedFileFolderStruct> MatchNameHit(const QueryContext& query, const std::string& text, int kind,
                                                        const tagSelectedFileFolderStruct& entry);

}  // namespace qf
