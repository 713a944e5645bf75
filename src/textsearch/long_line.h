#pragma once
// A line too long to be held whole, judged from its pieces as if it had been
// read whole: the same hits (whole/part tests included), comment classes,
// stop and start term positions and given-order verdict. Only its first cap
// bytes are kept for the record, followed by a note that it was cut.

#include <cstdint>
#include <string>
#include <vector>

#include "results/hit_types.h"
#include "results/line_cut.h"
#include "textsearch/comment_rule.h"
#include "textsearch/line_reader.h"
#include "textsearch/query_context.h"
#include "textsearch/regex_hits.h"
#include "textsearch/regex_terms.h"
#include "textsearch/scan_conditions.h"
#include "textsearch/standard_query.h"
#include "textsearch/term_finder.h"

namespace qf {

struct LongLineFindings {
    MAP_TERM_POSITIONS terms;   // the accepted terms, with their hits inside the kept text only (characters)
    MAP_TERM_LENGTHS lengths;   // patterns only: the length of each kept hit, cut at the kept text's end
    TERM_SPANS spans;           // first and last accepted hit of each in the whole line
    bool inGivenOrder = false;  // the hits can be read in the order of the term list
    int64_t stopTermAt = -1;    // where the stop term first is, or -1
    int64_t startTermAt = -1;   // where the start term first is, or -1 (when looked for)
    std::string text;           // the kept bytes and the note
    bool givenUp = false;       // a pattern needed more work than allowed: no hits
};

// What each piece repeats at least when terms are regular expressions: a
// match can be of any length, and one up to this long that starts before a
// piece's end is still found whole in the next piece.
constexpr size_t kRegexOverlap = 4096;

// What the whole-word test may look at around a hit, in UTF-8 bytes: the
// character before it, and after it a point or comma and one more character.
constexpr size_t kContextBefore = 4;
constexpr size_t kContextAfter = 5;

class LongLineScan {
public:
    // finders: one per entry of the term list. keep: how many bytes the
    // record keeps (the reader's line cap: the first piece).
    LongLineScan(const QueryContext& query, const std::vector<TermFinder>& finders, const CommentRule& comments,
                 const std::string& stopTerm, const std::string& startTerm, size_t keep);

    // What each piece must repeat of the one before: the longest needle and
    // what the whole-word test looks at around it.
    size_t Overlap() const { return overlap_; }
    // The same, known before a scan is made (most files have no long line).
    static size_t OverlapFor(const QueryContext& query, const std::vector<TermFinder>& finders,
                             const CommentRule& comments, const std::string& stopTerm, const std::string& startTerm);

    void Begin(bool lookForStartTerm);
    // The pieces of the line in order; overlap: what the reader repeats.
    void Feed(const TextLine& piece, size_t overlap);
    LongLineFindings Finish();

private:
    // How far one term has been judged, and what it found.
    struct TermState {
        uint64_t nextFrom = 0;  // where the search for its next occurrence goes on
        int64_t first = -1;
        int64_t last = -1;
        DEQUE_POSITIONS_IN_LINE kept;
        DEQUE_POSITIONS_IN_LINE keptLengths;  // patterns only, bytes
    };
    // A plain substring whose first occurrence in the line is wanted.
    struct FirstOccurrence {
        std::string needle;
        bool wanted = false;
        uint64_t from = 0;
        int64_t at = -1;
    };

    static size_t LongestNeedle(const QueryContext& query, const std::vector<TermFinder>& finders,
                                const CommentRule& comments, const std::string& stopTerm,
                                const std::string& startTerm);
    void CollectTerm(size_t entry, const TextLine& piece, uint64_t settled);
    void CollectPattern(size_t entry, const TextLine& piece, uint64_t settled);
    void Look(FirstOccurrence& what, const TextLine& piece, uint64_t settled) const;

    const QueryContext& query_;
    const std::vector<TermFinder>& finders_;
    const CommentRule& comments_;
    const size_t keep_;
    const bool givenOrder_;
    std::vector<size_t> stateOf_;  // per entry of the term list: its term's state, or npos for a repeated term
    std::vector<TermState> states_;
    std::vector<FirstOccurrence> commentStrings_;
    FirstOccurrence stop_;
    FirstOccurrence start_;
    GivenOrderChain chain_{0};
    std::string text_;
    size_t longest_ = 0;
    size_t overlap_ = 0;
    RegexMatchData regexScratch_;    // this scan's own, for terms that are patterns
    RegexHits regexHits_;
    bool givenUp_ = false;
};

}  // namespace qf
