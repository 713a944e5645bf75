#include "textsearch/long_line.h"

#include <algorithm>
#include <string_view>

#include "platform/utf8_text.h"
#include "textsearch/regex_hits.h"

namespace qf {

LongLineScan::LongLineScan(const QueryContext& query, const std::vector<TermFinder>& finders,
                           const CommentRule& comments, const std::string& stopTerm, const std::string& startTerm,
                           size_t keep)
    : query_(query),
      finders_(finders),
      comments_(comments),
      keep_(keep),
      givenOrder_(query.options && query.options->On(Opt::ALLINONECH) && query.options->On(Opt::INGIVORDER)) {
    for (size_t i = 0; i < finders_.size(); ++i) {
        const std::string& term = finders_[i].Needle();
        size_t same = 0;
        while (same < i && finders_[same].Needle() != term) ++same;
        stateOf_.push_back(same == i ? states_.size() : std::string_view::npos);
        if (same == i) states_.emplace_back();
    }
    if (comments_.Decides())
        for (const std::string& comment : comments_.strings) commentStrings_.push_back({comment, !comment.empty()});
    stop_.needle = stopTerm;
    start_.needle = startTerm;
    longest_ = LongestNeedle(query, finders, comments, stopTerm, startTerm);
    overlap_ = longest_ + kContextBefore + kContextAfter - 1;
}

size_t LongLineScan::LongestNeedle(const QueryContext& query, const std::vector<TermFinder>& finders,
                                   const CommentRule& comments, const std::string& stopTerm,
                                   const std::string& startTerm) {
    size_t longest = std::max(stopTerm.size(), startTerm.size());
    for (const TermFinder& finder : finders) longest = std::max(longest, finder.Needle().size());
    if (comments.Decides())
        for (const std::string& comment : comments.strings) longest = std::max(longest, comment.size());
    if (query.regexMode) longest = std::max(longest, kRegexOverlap);
    return longest;
}

size_t LongLineScan::OverlapFor(const QueryContext& query, const std::vector<TermFinder>& finders,
                                const CommentRule& comments, const std::string& stopTerm,
                                const std::string& startTerm) {
    return LongestNeedle(query, finders, comments, stopTerm, startTerm) + kContextBefore + kContextAfter - 1;
}

void LongLineScan::Begin(bool lookForStartTerm) {
    for (TermState& state : states_) state = TermState{};
    for (FirstOccurrence& comment : commentStrings_) comment = {comment.needle, !comment.needle.empty()};
    stop_ = {stop_.needle, !stop_.needle.empty()};
    start_ = {start_.needle, lookForStartTerm};
    chain_ = GivenOrderChain(finders_.size());
    givenUp_ = false;
    text_.clear();
    // Room for the note too: growing the kept text at the end would copy it.
    text_.reserve(keep_ + LineCutNote(keep_).size());
}

void LongLineScan::Feed(const TextLine& piece, size_t overlap) {
    const uint64_t end = piece.offset + piece.folded.size();
    // What starts before `settled` is judged in this piece, the rest again in
    // the next one. The whole-word test looks at the character before a hit
    // and at up to two after it (a point or comma after a number, and the
    // next one): 1 and 2 bytes in ASCII, up to 4 and 5 in UTF-8. A hit judged
    // here has what follows it in this piece; one judged in the next piece
    // has what goes before it there. When the overlap is short (a small
    // cap) the ASCII context comes first.
    const uint64_t before = 1 + uint64_t(std::clamp<int64_t>(int64_t(overlap) - int64_t(longest_) - 2, 0,
                                                             int64_t(kContextBefore) - 1));
    const uint64_t settled = piece.lineEnds ? end : end - overlap + before;
    if (text_.size() < keep_ && end > text_.size()) {
        const size_t from = size_t(text_.size() - piece.offset);
        text_.append(piece.text.substr(from, size_t(std::min<uint64_t>(end, keep_) - text_.size())));
    }
    for (size_t entry = 0; entry < finders_.size(); ++entry)
        if (stateOf_[entry] != std::string_view::npos) {
            if (query_.regexMode)
                CollectPattern(entry, piece, settled);
            else
                CollectTerm(entry, piece, settled);
        }
    for (FirstOccurrence& comment : commentStrings_) Look(comment, piece, settled);
    Look(stop_, piece, settled);
    Look(start_, piece, settled);
}

// The term's occurrences that start in this piece before `settled`, found as
// in a whole line: each search goes on after the last occurrence.
void LongLineScan::CollectTerm(size_t entry, const TextLine& piece, uint64_t settled) {
    TermState& state = states_[stateOf_[entry]];
    const TermFinder& finder = finders_[entry];
    const size_t n = finder.Needle().size();
    const uint64_t start = piece.offset;
    size_t from = size_t(state.nextFrom - start);
    for (;;) {
        const size_t p = finder.Find(piece.folded, from);
        if (p == std::string_view::npos) {
            state.nextFrom = std::max(start + from, settled);
            return;
        }
        if (start + p >= settled) {
            state.nextFrom = start + p;
            return;
        }
        // Within the piece the whole-word test sees what it would see in the
        // whole line: not its start (unless the piece starts the line), not its end.
        if (AcceptHit(query_.matcher, piece.folded, p, n)) {
            const int64_t at = int64_t(start + p);
            if (state.first < 0) state.first = at;
            state.last = at;
            if (uint64_t(at) + n <= keep_) state.kept.push_back(int32_t(at));
            if (givenOrder_) chain_.Offer(entry, at);
        }
        from = p + n;
    }
}

// The same for a regular expression. The piece stands for the line: ^ and $
// match only where the line starts and ends. A match longer than the overlap
// that runs past the piece's end is judged on what the piece holds of it.
void LongLineScan::CollectPattern(size_t entry, const TextLine& piece, uint64_t settled) {
    TermState& state = states_[stateOf_[entry]];
    const uint64_t start = piece.offset;
    if (!query_.regex || givenUp_) {
        state.nextFrom = settled;
        return;
    }
    regexHits_.clear();
    size_t next = 0;
    const RegexFind found = CollectMatches(query_, entry, piece.folded, regexScratch_, regexHits_,
                                           size_t(std::max(state.nextFrom, start) - start), size_t(settled - start),
                                           start > 0, !piece.lineEnds, &next);
    if (found == RegexFind::Limit) givenUp_ = true;
    state.nextFrom = std::max(start + next, settled);
    for (size_t i = 0; i < regexHits_.starts.size(); ++i) {
        const int64_t at = int64_t(start) + regexHits_.starts[i];
        if (state.first < 0) state.first = at;
        state.last = at;
        if (uint64_t(at) < keep_) {
            state.kept.push_back(int32_t(at));
            state.keptLengths.push_back(regexHits_.lengths[i]);
        }
        if (givenOrder_) chain_.Offer(entry, at);
    }
}

void LongLineScan::Look(FirstOccurrence& what, const TextLine& piece, uint64_t settled) const {
    if (!what.wanted || what.at >= 0) return;
    if (what.needle.empty()) {  // found at once, as by a plain substring search
        what.at = 0;
        return;
    }
    const uint64_t start = piece.offset;
    const size_t p = piece.folded.find(what.needle, size_t(std::max(what.from, start) - start));
    if (p != std::string_view::npos && start + p < settled)
        what.at = int64_t(start + p);
    else
        what.from = std::max(what.from, settled);
}

LongLineFindings LongLineScan::Finish() {
    LongLineFindings found;
    std::vector<int64_t> commentAt;
    for (const FirstOccurrence& comment : commentStrings_) commentAt.push_back(comment.at);
    for (size_t entry = 0; entry < finders_.size(); ++entry) {
        if (stateOf_[entry] == std::string_view::npos) continue;
        TermState& state = states_[stateOf_[entry]];
        const TermSpan span{state.first, state.last};
        if (state.first < 0 || !comments_.AcceptsAt(commentAt, span.first, span.last)) continue;
        found.terms.emplace(finders_[entry].Needle(), std::move(state.kept));
        if (query_.regexMode) found.lengths.emplace(finders_[entry].Needle(), std::move(state.keptLengths));
        found.spans.emplace(finders_[entry].Needle(), span);
    }
    found.inGivenOrder = chain_.Complete();
    found.givenUp = givenUp_;
    if (givenUp_) {
        found.terms.clear();
        found.lengths.clear();
        found.spans.clear();
    }
    found.stopTermAt = stop_.at;
    found.startTermAt = start_.at;
    // The kept text ends with a whole character; a hit kept lies before it.
    text_.resize(CompleteUtf8Length(text_));
    if (query_.regexMode)
        ToCharacterSpans(found.terms, found.lengths, text_);
    else
        ToCharacterPositions(found.terms, text_);
    text_ += LineCutNote(keep_);
    found.text = std::move(text_);
    text_ = std::string();
    return found;
}

}  // namespace qf
