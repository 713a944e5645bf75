#pragma once
// What a content scan takes from the query alone: made once for the files a
// reading thread scans in a run, not once for each file.

#include <cstdint>
#include <memory>
#include <vector>

#include "textsearch/comment_rule.h"
#include "textsearch/file_rule.h"
#include "textsearch/query_context.h"
#include "textsearch/scan_conditions.h"
#include "textsearch/term_finder.h"

namespace qf {

struct ScanSetup {
    QueryMode mode = QueryMode::Standard;
    bool allInOne = false;
    bool givenOrder = false;
    int64_t perFileLimit = 0;
    CommentRule comments;
    StartCondition start;
    ConditionToStop stop;  // as the options set it: each file's scan takes a copy
    std::vector<TermFinder> finders;  // one per entry of the term list
    bool regex = false;
    // Lines holding none of these cannot be hit lines nor hold the stop term.
    std::shared_ptr<const std::vector<TermFinder>> skipFinders;
    std::shared_ptr<const std::vector<TermFinder>> startFinders;
    bool asciiNeedles = false;  // every needle of the comparison form is ASCII
    bool canSkip = false;       // lines without a needle may be passed over
    size_t overlap = 0;         // what each piece of a long line repeats
};

std::shared_ptr<const ScanSetup> MakeScanSetup(const QueryContext& query);

}  // namespace qf
