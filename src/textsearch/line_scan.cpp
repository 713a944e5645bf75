// ScanLines: the line-by-line part of the content scan.

#include <cstdint>
#include <limits>

#include "textsearch/comment_rule.h"
#include "textsearch/content_scan.h"
#include "textsearch/file_rule.h"
#include "textsearch/micro_boolean.h"
#include "textsearch/scan_conditions.h"
#include "textsearch/standard_query.h"

namespace qf {
namespace {

class FileScan {
public:
    FileScan(ContentScanContext& context, LineReader& in, MAP_LINES_WITH_HITS& lines);
    void Run();

private:
    enum class Step { Next, End };

    bool ReachFirstLine();
    bool SkipStartLines();
    bool FindStartTerm();
    bool SkipQuietLines();
    Step Examine();
    bool CollectHits(std::string_view folded, MAP_TERM_POSITIONS& terms);
    void Record(MAP_TERM_POSITIONS& terms);
    void DropStartLine();
    bool StopRequested() const { return context_.bStopRequest.load(std::memory_order_relaxed) == 1; }

    ContentScanContext& context_;
    LineReader& in_;
    MAP_LINES_WITH_HITS& lines_;
    const QueryContext& query_;
    QueryMode mode_;
    bool allInOne_;
    bool givenOrder_;
    int64_t perFileLimit_;
    int64_t runLimit_;
    CommentRule comments_;
    StartCondition start_;
    ConditionToStop stop_;
    // Lines holding none of these cannot be hit lines nor hold the stop term.
    std::vector<TermFinder> needles_;
    std::vector<TermFinder> startNeedle_;
    const std::vector<TermFinder> noNeedles_;
    std::vector<TermFinder> finders_;  // one per entry of the term list
    bool canSkip_;
    std::vector<int32_t> scratch_;
    TextLine line_{};
    uint32_t number_ = 0;
    int64_t fileHits_ = 0;
    uint32_t startLine_ = 0;
    int32_t startPos_ = -1;
};

FileScan::FileScan(ContentScanContext& context, LineReader& in, MAP_LINES_WITH_HITS& lines)
    : context_(context),
      in_(in),
      lines_(lines),
      query_(context.query),
      mode_(ModeOf(*query_.options)),
      allInOne_(query_.options->On(Opt::ALLINONECH)),
      givenOrder_(query_.options->On(Opt::INGIVORDER)),
      perFileLimit_(query_.options->Int(Opt::RESLINENUM)),
      runLimit_(query_.options->Int(Opt::SEARCHMAXL)),
      comments_(CommentRule::FromOptions(*query_.options)),
      start_(StartCondition::FromOptions(*query_.options, query_.matcher)),
      stop_(ConditionToStop::FromOptions(*query_.options, query_.matcher)),
      // A line Boolean query can make a line without any term a hit line.
      canSkip_(mode_ != QueryMode::MicroBoolean) {
    for (const std::string& term : query_.foldedTerms) finders_.emplace_back(term);
    needles_ = finders_;
    if (stop_.ByTerm()) needles_.emplace_back(stop_.sStopTerm);
    startNeedle_.emplace_back(start_.term);
}

void FileScan::Run() {
    if (!ReachFirstLine()) return;
    for (;;) {
        if (StopRequested()) break;
        ++number_;
        if (Examine() == Step::End) break;
        if (canSkip_ && !SkipQuietLines()) break;
        if (!in_.Next(line_)) break;
    }
    DropStartLine();
}

bool FileScan::ReachFirstLine() {
    if (start_.byLine) return SkipStartLines();
    if (start_.byTerm) return FindStartTerm();
    // An empty file is examined as one empty line.
    if (!in_.Next(line_)) line_ = TextLine{};
    return true;
}

bool FileScan::SkipStartLines() {
    uint32_t remaining = start_.lineNumber - 1;
    while (remaining > 0) {
        if (StopRequested()) return false;
        size_t skipped = in_.SkipLinesWithout(noNeedles_, remaining);
        if (skipped == 0) {
            if (!in_.Next(line_)) return false;
            skipped = 1;
        }
        remaining -= uint32_t(skipped);
    }
    if (StopRequested() || !in_.Next(line_)) return false;
    number_ = start_.lineNumber - 1;
    return true;
}

bool FileScan::FindStartTerm() {
    for (;;) {
        number_ += uint32_t(in_.SkipLinesWithout(startNeedle_, std::numeric_limits<size_t>::max()));
        if (!in_.Next(line_) || StopRequested()) return false;
        const size_t p = line_.folded.find(start_.term);
        if (p != std::string_view::npos) {
            startLine_ = number_ + 1;
            startPos_ = int32_t(p);
            return true;
        }
        ++number_;
    }
}

// Passes over lines that hold no term and no stop term: they could only end
// the scan at the stop line, so never past it.
bool FileScan::SkipQuietLines() {
    for (;;) {
        size_t most = std::numeric_limits<size_t>::max();
        if (stop_.ByLine()) most = stop_.nStopLine > number_ + 1 ? stop_.nStopLine - number_ - 1 : 0;
        const size_t skipped = in_.SkipLinesWithout(needles_, most);
        if (skipped == 0) return true;
        number_ += uint32_t(skipped);
        if (StopRequested()) return false;
    }
}

FileScan::Step FileScan::Examine() {
    const std::string_view folded = line_.folded;
    stop_.GiveLineNumber(number_);
    MAP_TERM_POSITIONS terms;
    bool verdict = CollectHits(folded, terms);
    if (mode_ == QueryMode::MicroBoolean)
        verdict = query_.boolean && LineMatchesMicroBoolean(*query_.boolean, terms, query_.matcher.caseSensitive);
    else if (verdict && allInOne_)
        verdict = LineOrderHolds(query_.foldedTerms, terms, givenOrder_) == 1;
    stop_.GiveLine(folded);

    if (stop_.bLineReached) {
        if (verdict) Record(terms);
        return Step::End;
    }
    if (stop_.bTermFound) {
        if (verdict && stop_.HitsBeforeStopTerm(terms, allInOne_)) Record(terms);
        return Step::End;
    }
    if (!verdict) return Step::Next;
    Record(terms);
    ++fileHits_;
    if (fileHits_ >= perFileLimit_) {
        // The file rule sees only these lines; that later ones went unread is told.
        if (context_.statistics && in_.HasMore()) ++context_.statistics->lineLimitFiles;
        return Step::End;
    }
    if (context_.counters.nResultLines.load() + fileHits_ >= runLimit_) return Step::End;
    return Step::Next;
}

bool FileScan::CollectHits(std::string_view folded, MAP_TERM_POSITIONS& terms) {
    for (const TermFinder& finder : finders_) {
        const std::string& term = finder.Needle();
        if (term.empty() || terms.count(term) > 0) continue;  // a repeated term finds the same hits
        scratch_.clear();
        // Hits of one term never overlap: go on after each occurrence, accepted or not.
        for (size_t p = finder.Find(folded); p != std::string_view::npos; p = finder.Find(folded, p + term.size()))
            if (AcceptHit(query_.matcher, folded, p, term.size())) scratch_.push_back(int32_t(p));
        if (scratch_.empty() || !comments_.Accepts(folded, scratch_.front(), scratch_.back())) continue;
        terms.emplace(term, DEQUE_POSITIONS_IN_LINE(scratch_.begin(), scratch_.end()));
    }
    return !terms.empty();
}

void FileScan::Record(MAP_TERM_POSITIONS& terms) {
    tagStructLineAndPositions& line = lines_[number_];
    line.sLineText.assign(line_.text);
    line.mapTermPositions = std::move(terms);
}

void FileScan::DropStartLine() {
    if (!start_.byTerm || lines_.empty()) return;
    const auto first = lines_.begin();
    if (first->first == startLine_ && HitsBeforeStartTerm(first->second.mapTermPositions, startPos_, allInOne_))
        lines_.erase(first);
}

}  // namespace

int ScanLines(ContentScanContext& context, LineReader& in, MAP_LINES_WITH_HITS& lines) {
    lines.clear();
    if (!context.query.options) return 0;
    FileScan scan(context, in, lines);
    scan.Run();
    return lines.empty() ? 0 : 1;
}

}  // namespace qf
