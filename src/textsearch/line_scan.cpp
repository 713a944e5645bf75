// ScanLines: the line-by-line part of the content scan.

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <limits>
#include <optional>

#include "textsearch/comment_rule.h"
#include "textsearch/content_scan.h"
#include "textsearch/file_rule.h"
#include "textsearch/long_line.h"
#include "textsearch/micro_boolean.h"
#include "textsearch/regex_hits.h"
#include "textsearch/scan_conditions.h"
#include "textsearch/scan_setup.h"
#include "textsearch/standard_query.h"

namespace qf {
namespace {

class FileScan {
public:
    FileScan(ContentScanContext& context, const ScanSetup& setup, LineReader& in, int64_t linesLeft,
             FileReading& out);
    void Run();

private:
    enum class Step { Next, End };

    bool ReachFirstLine();
    bool SkipStartLines();
    bool FindStartTerm();
    bool SkipQuietLines();
    bool FinishLine();
    bool ReadLongLine(bool lookForStartTerm, LongLineFindings& found);
    // What a long line's scan looks for besides the terms.
    std::string StopTerm() const { return stop_.ByTerm() ? stop_.sStopTerm : std::string(); }
    std::string StartTerm() const { return start_.byTerm ? start_.term : std::string(); }
    Step Examine();
    Step ExamineLong(LongLineFindings& found);
    Step Conclude(bool verdict, MAP_TERM_POSITIONS& terms, LongLineFindings* longLine);
    bool CollectHits(std::string_view folded, MAP_TERM_POSITIONS& terms);
    void Record(MAP_TERM_POSITIONS& terms, LongLineFindings* longLine);
    void GiveLineUp();
    bool StopRequested() const {
        return context_.bStopRequest.load(std::memory_order_relaxed) == 1 ||
               (context_.abandon && context_.abandon->load(std::memory_order_relaxed));
    }

    ContentScanContext& context_;
    LineReader& in_;
    FileReading& out_;
    MAP_LINES_WITH_HITS& lines_;
    const QueryContext& query_;
    QueryMode mode_;
    bool allInOne_;
    bool givenOrder_;
    int64_t perFileLimit_;
    int64_t linesLeft_;  // result lines the run may still take
    const CommentRule& comments_;
    StartCondition start_;
    ConditionToStop stop_;
    // Lines holding none of these cannot be hit lines nor hold the stop term.
    SkipNeedles needles_;
    SkipNeedles startNeedle_;
    SkipNeedles noNeedles_;
    const std::vector<TermFinder>& finders_;  // one per entry of the term list
    // Terms that are regular expressions: this scan's own match space.
    bool regex_;
    RegexMatchData regexScratch_;
    MAP_TERM_LENGTHS lengths_;  // of the hits of the line in hand, when the terms are patterns
    // Made for the file's first long line: most files have none.
    std::optional<LongLineScan> longLine_;
    // The start line, when it was too long to hold: judged while the start term was looked for.
    std::optional<LongLineFindings> longStartLine_;
    bool canSkip_;
    std::vector<int32_t> scratch_;
    TextLine line_{};
    uint32_t number_ = 0;
    uint32_t startLine_ = 0;
    int64_t startPos_ = -1;
};

FileScan::FileScan(ContentScanContext& context, const ScanSetup& setup, LineReader& in, int64_t linesLeft,
                   FileReading& out)
    : context_(context),
      in_(in),
      out_(out),
      lines_(out.lines),
      query_(context.query),
      mode_(setup.mode),
      allInOne_(setup.allInOne),
      givenOrder_(setup.givenOrder),
      perFileLimit_(setup.perFileLimit),
      linesLeft_(linesLeft),
      comments_(setup.comments),
      start_(setup.start),
      stop_(setup.stop),
      needles_(setup.skipFinders),
      startNeedle_(setup.startFinders),
      finders_(setup.finders),
      regex_(setup.regex),
      canSkip_(setup.canSkip) {
    in_.SetOverlap(setup.overlap);
    in_.SetAsciiNeedles(setup.asciiNeedles);
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
            if (!in_.Next(line_) || !FinishLine()) return false;
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
        int64_t p = -1;
        if (line_.lineEnds) {
            const size_t at = line_.folded.find(start_.term);
            if (at != std::string_view::npos) p = int64_t(at);
        } else {
            // A line too long to hold is judged as it passes, in case it is the start line.
            LongLineFindings found;
            if (!ReadLongLine(true, found)) return false;
            p = found.startTermAt;
            if (p >= 0) longStartLine_ = std::move(found);
        }
        if (p >= 0) {
            startLine_ = number_ + 1;
            out_.startLine = startLine_;
            startPos_ = p;
            return true;
        }
        ++number_;
    }
}

// Reads past the remaining pieces of a line that is not examined.
bool FileScan::FinishLine() {
    while (!line_.lineEnds)
        if (StopRequested() || !in_.Next(line_)) return false;
    return true;
}

// Judges the line whose first piece is in line_; false when a stop request
// ends the scan inside it. Each piece is at most a line cap long, so a stop
// is noticed after that much at the latest.
bool FileScan::ReadLongLine(bool lookForStartTerm, LongLineFindings& found) {
    if (!longLine_) longLine_.emplace(query_, finders_, comments_, StopTerm(), StartTerm(), in_.LineCap());
    longLine_->Begin(lookForStartTerm);
    for (;;) {
        longLine_->Feed(line_, in_.Overlap());
        if (line_.lineEnds) break;
        if (StopRequested() || !in_.Next(line_)) return false;
    }
    found = longLine_->Finish();
    return true;
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
    stop_.GiveLineNumber(number_);
    if (longStartLine_) {
        LongLineFindings found = std::move(*longStartLine_);
        longStartLine_.reset();
        return ExamineLong(found);
    }
    if (!line_.lineEnds) {
        LongLineFindings found;
        if (!ReadLongLine(false, found)) return Step::End;
        return ExamineLong(found);
    }
    const std::string_view folded = line_.folded;
    MAP_TERM_POSITIONS terms;
    bool verdict = CollectHits(folded, terms);
    if (mode_ == QueryMode::MicroBoolean)
        verdict = query_.boolean && LineMatchesMicroBoolean(*query_.boolean, terms, query_.matcher.caseSensitive);
    else if (verdict && allInOne_)
        verdict = LineOrderHolds(query_.foldedTerms, terms, givenOrder_) == 1;
    stop_.GiveLine(folded);
    return Conclude(verdict, terms, nullptr);
}

// The same rules for a line that was read in pieces.
FileScan::Step FileScan::ExamineLong(LongLineFindings& found) {
    if (found.givenUp) GiveLineUp();
    bool verdict = !found.terms.empty();
    if (mode_ == QueryMode::MicroBoolean)
        verdict = query_.boolean && LineMatchesMicroBoolean(*query_.boolean, found.terms, query_.matcher.caseSensitive);
    else if (verdict && allInOne_)
        verdict = found.terms.size() == query_.foldedTerms.size() && (!givenOrder_ || found.inGivenOrder);
    stop_.GiveStopTermPosition(found.stopTermAt);
    return Conclude(verdict, found.terms, &found);
}

FileScan::Step FileScan::Conclude(bool verdict, MAP_TERM_POSITIONS& terms, LongLineFindings* longLine) {
    if (stop_.bLineReached) {
        if (verdict) Record(terms, longLine);
        return Step::End;
    }
    if (stop_.bTermFound) {
        if (verdict && stop_.HitsBeforeStopTerm(longLine ? longLine->spans : SpansOf(terms), allInOne_))
            Record(terms, longLine);
        return Step::End;
    }
    if (!verdict) return Step::Next;
    Record(terms, longLine);
    ++out_.hitLines;
    if (out_.hitLines >= perFileLimit_) {
        // The file rule sees only these lines; that later ones went unread is told.
        out_.cutAtFileLimit = in_.HasMore();
        return Step::End;
    }
    if (out_.hitLines >= linesLeft_) return Step::End;
    return Step::Next;
}

bool FileScan::CollectHits(std::string_view folded, MAP_TERM_POSITIONS& terms) {
    if (regex_) {
        lengths_.clear();
        if (!CollectRegexHits(query_, comments_, regexScratch_, folded, terms, lengths_)) GiveLineUp();
        return !terms.empty();
    }
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

void FileScan::Record(MAP_TERM_POSITIONS& terms, LongLineFindings* longLine) {
    // Whether the start line goes again at the end is decided now, while
    // the hits of a long line are still known beyond its kept text.
    if (start_.byTerm && number_ == startLine_)
        out_.dropStartLine = HitsBeforeStartTerm(longLine ? longLine->spans : SpansOf(terms), startPos_, allInOne_);
    tagStructLineAndPositions& line = lines_[number_];
    if (longLine) {
        line.sLineText = std::move(longLine->text);
        line.mapTermLengths = std::move(longLine->lengths);
    } else {
        line.sLineText.assign(line_.text);
        if (regex_) {
            ToCharacterSpans(terms, lengths_, line_.folded);
            line.mapTermLengths = std::move(lengths_);
            lengths_.clear();
        } else {
            ToCharacterPositions(terms, line_.folded);
        }
    }
    line.mapTermPositions = std::move(terms);
}

// A line that a pattern needed too much work for holds no hit; it is told
// in the file's turn.
void FileScan::GiveLineUp() { out_.givenUpLines.push_back(number_); }

}  // namespace

void ScanLines(ContentScanContext& context, LineReader& in, int64_t linesLeft, FileReading& out) {
    out.lines.clear();
    out.hitLines = 0;
    out.startLine = 0;
    out.dropStartLine = false;
    out.givenUpLines.clear();
    if (!context.query.options) return;
    if (!context.scanSetup) context.scanSetup = MakeScanSetup(context.query);
    FileScan scan(context, *context.scanSetup, in, linesLeft, out);
    scan.Run();
}

void KeepWithinRunLimit(FileReading& reading, int64_t linesLeft) {
    // The scan would have ended at the hit line that reached the limit; lines
    // after it (a stop-condition line included) were read ahead only.
    const int64_t keep = std::max<int64_t>(1, linesLeft);
    if (reading.hitLines > keep) {
        reading.lines.erase(std::next(reading.lines.begin(), keep), reading.lines.end());
        reading.hitLines = keep;
        const uint32_t last = reading.lines.empty() ? 0 : reading.lines.rbegin()->first;
        std::erase_if(reading.givenUpLines, [last](uint32_t line) { return line > last; });
    }
    // The start line goes when its hits all lie before the start term.
    if (reading.dropStartLine && !reading.lines.empty() && reading.lines.begin()->first == reading.startLine)
        reading.lines.erase(reading.lines.begin());
    reading.dropStartLine = false;
}

void CountLineLimitCut(ContentScanContext& context, const FileReading& reading) {
    // Lines read ahead may have reached the file's limit where the run's
    // limit ended the file first: only a file that kept that many is told.
    if (context.statistics && reading.cutAtFileLimit &&
        reading.hitLines >= context.query.options->Int(Opt::RESLINENUM))
        ++context.statistics->lineLimitFiles;
}

void TellLinesGivenUp(ContentScanContext& context, const FileReading& reading, const std::string& path) {
    for (uint32_t line : reading.givenUpLines) {
        if (context.statistics) ++context.statistics->regexLimitLines;
        context.observer.LineGivenUp(path, line);
    }
}

int64_t RunLinesLeft(const ContentScanContext& context) {
    return context.query.options->Int(Opt::SEARCHMAXL) - context.counters.nResultLines.load();
}

int ScanLines(ContentScanContext& context, LineReader& in, MAP_LINES_WITH_HITS& lines) {
    lines.clear();
    if (!context.query.options) return 0;
    FileReading reading;
    const int64_t left = RunLinesLeft(context);
    ScanLines(context, in, left, reading);
    KeepWithinRunLimit(reading, left);
    CountLineLimitCut(context, reading);
    TellLinesGivenUp(context, reading, {});  // the caller has no path to tell
    lines = std::move(reading.lines);
    return lines.empty() ? 0 : 1;
}

}  // namespace qf
