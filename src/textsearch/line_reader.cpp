#include "textsearch/line_reader.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "platform/case_folding.h"
#include "platform/utf8_text.h"
#include "textsearch/byte_runs.h"

namespace qf {
namespace {

constexpr size_t kBlockSize = 64 * 1024;

}  // namespace

void ScanBuffers::ReleaseIfGrown() {
    if (text.size() <= kBlockSize && folded.size() <= kBlockSize) return;
    std::vector<char>().swap(text);
    std::vector<char>().swap(folded);
}

SkipNeedles::SkipNeedles(std::vector<TermFinder> finders)
    : SkipNeedles(std::make_shared<const std::vector<TermFinder>>(std::move(finders))) {}

SkipNeedles::SkipNeedles(std::shared_ptr<const std::vector<TermFinder>> finders)
    : finders_(std::move(finders)) {
    if (Count() > few_.size()) many_.resize(Count());
}

LineReader::LineReader(ContentFile file, bool fold, size_t lineCap)
    : LineReader(std::move(file), fold, own_, lineCap) {}

LineReader::LineReader(ContentFile file, bool fold, ScanBuffers& buffers, size_t lineCap)
    : source_(std::move(file)),
      fold_(fold),
      eof_(!source_.IsOpen()),
      cap_(std::max<size_t>(lineCap, 2)),
      buffer_(buffers.text),
      folded_(buffers.folded) {
    if (buffer_.size() < kBlockSize) buffer_.resize(kBlockSize);
    if (fold_ && folded_.size() < buffer_.size()) folded_.resize(buffer_.size());
}

void LineReader::SetOverlap(size_t bytes) { overlap_ = std::min(bytes, cap_ / 2); }

// Folds what Fill read; without a folded copy, only notes the characters
// that make a line be folded on its own.
void LineReader::FoldRange(size_t from, size_t to) {
    if (FoldsOnEmit())
        NoteAsciiFoldingChars(buffer_.data() + from, to - from, from, changing_);
    else if (fold_)
        FoldUtf8Bytes(buffer_.data() + from, folded_.data() + from, to - from, from, changing_, asciiNeedles_);
}

// The buffer's bytes before offset are dropped: so are their characters.
void LineReader::ForgetChangingBefore(size_t offset) {
    if (changing_.empty()) return;
    const auto kept = std::lower_bound(changing_.begin(), changing_.end(), offset);
    changing_.erase(changing_.begin(), kept);
    for (size_t& at : changing_) at -= offset;
}

// The first character at or after from whose fold has another length, or npos.
size_t LineReader::NextChanging(size_t from) const {
    const auto at = std::lower_bound(changing_.begin(), changing_.end(), from);
    return at == changing_.end() ? std::string_view::npos : *at;
}

bool LineReader::Fill() {
    if (eof_) return false;
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        if (fold_ && !FoldsOnEmit()) std::memmove(folded_.data(), folded_.data() + begin_, end_ - begin_);
        ForgetChangingBefore(begin_);
        end_ -= begin_;
        bufferStart_ += begin_;
        begin_ = 0;
    }
    if (buffer_.size() - end_ < kUtf8MaxBytes) {  // one line longer than the buffer
        // Room for a line of cap bytes and its CR LF, and for one more
        // character while less is held; growing in one step to that size
        // spares a copy of a nearly full buffer.
        const size_t most = cap_ + 1 + kUtf8MaxBytes;
        if (buffer_.size() >= most) return false;
        size_t grown = buffer_.size() * 2;
        if (grown + grown / 2 > most) grown = most;
        buffer_.resize(grown);
        if (fold_ && folded_.size() < buffer_.size()) folded_.resize(buffer_.size());
    }
    const size_t wanted = buffer_.size() - end_;
    char* to = buffer_.data() + end_;
    size_t n = source_.ReadUnchecked(to, wanted);
    size_t ascii = 0;  // bytes found to be ASCII, and folded on the way
    if (source_.Unchecked()) {
        ascii = fold_ && !FoldsOnEmit() ? LowerAsciiBytes(to, folded_.data() + end_, n) : FirstNonAscii(to, n);
        if (ascii < n) n = ascii + source_.Settle(to + ascii, n - ascii, wanted - ascii);
    }
    // The source tells the end without one more read that would find nothing.
    eof_ = source_.AtEnd();
    if (n == 0) return false;
    FoldRange(end_ + ascii, end_ + n);
    end_ += n;
    return true;
}

void LineReader::Emit(TextLine& line, size_t length, bool lineEnds) {
    if (FoldsOnEmit()) LowerBytes(buffer_.data() + begin_, folded_.data() + begin_, length);
    line.text = std::string_view(buffer_.data() + begin_, length);
    line.folded = std::string_view(Folded() + begin_, length);
    line.offset = lineOffset_;
    line.lineEnds = lineEnds;
    const bool wholeLine = lineEnds && !inPieces_;
    if (wholeLine && NextChanging(begin_) < begin_ + length) {
        foldedLine_ = FoldCase(line.text);
        line.folded = foldedLine_;
    }
}

bool LineReader::Next(TextLine& line) {
    size_t scanned = 0;  // bytes after begin_ known to hold no LF
    for (;;) {
        const char* base = buffer_.data();
        const size_t available = end_ - begin_;
        // An LF further on than this would leave more than cap bytes before it.
        const size_t window = std::min(available, cap_ + 2);
        const void* lf = std::memchr(base + begin_ + scanned, '\n', window - scanned);
        size_t length = available;  // the rest of the line, when it ends here
        bool ends = eof_ && available <= cap_;
        if (lf) {
            const size_t stop = size_t(static_cast<const char*>(lf) - base);
            length = stop - begin_;
            if (length > 0 && base[stop - 1] == '\r') --length;
            ends = length <= cap_;
        }
        if (ends) {
            if (length == 0 && !lf && !inPieces_) return false;  // nothing left
            Emit(line, length, true);
            begin_ = lf ? size_t(static_cast<const char*>(lf) - base) + 1 : end_;
            inPieces_ = false;
            lineOffset_ = 0;
            return true;
        }
        if (lf || available >= cap_ + 2 || eof_) {
            // More than cap bytes of the line are left: one piece of cap bytes.
            Emit(line, cap_, false);
            const size_t advance = cap_ - overlap_;
            begin_ += advance;
            lineOffset_ += advance;
            inPieces_ = true;
            return true;
        }
        scanned = window;
        Fill();
    }
}

bool LineReader::HasMore() { return begin_ < end_ || Fill(); }

size_t LineReader::CompleteEnd() const {
    if (eof_) return end_;
    const std::string_view data(buffer_.data() + begin_, end_ - begin_);
    const size_t lf = data.rfind('\n');
    return lf == std::string_view::npos ? begin_ : begin_ + lf + 1;
}

// The earliest needle in folded from begin_ on (folded ends with the last
// complete line), or folded.size(). What an earlier call found or ruled out
// is not searched again.
size_t LineReader::NextNeedle(SkipNeedles& needles, std::string_view folded) {
    const size_t region = folded.size();
    const uint64_t start = bufferStart_ + begin_;
    size_t hit = region;
    for (size_t i = 0; i < needles.Count(); ++i) {
        const TermFinder& needle = (*needles.finders_)[i];
        SkipNeedles::Mark& mark = needles.MarkOf(i);
        if (mark.clear < start) mark = {start, false};  // passed by the lines read since
        const size_t n = needle.Needle().size();
        // Only an occurrence that starts before the best one so far matters.
        const size_t limit = hit == region ? region : std::min(region, hit - 1 + n);
        const size_t from = size_t(mark.clear - bufferStart_);
        if (!mark.found && from + n <= limit) {
            const std::string_view text = folded.substr(0, limit);
            const size_t p = FoldsOnEmit() ? needle.FindCaseless(text, from) : needle.Find(text, from);
            searched_ += (p == std::string_view::npos ? limit : p + n) - from;
            if (p != std::string_view::npos)
                mark = {bufferStart_ + p, true};
            else
                mark.clear = bufferStart_ + limit - n + 1;
        }
        if (mark.found && mark.clear - bufferStart_ < hit) hit = size_t(mark.clear - bufferStart_);
    }
    return hit;
}

size_t LineReader::SkipLinesWithout(SkipNeedles& needles, size_t maxLines) {
    if (maxLines == 0 || inPieces_) return 0;
    if (CompleteEnd() == begin_ && !eof_) Fill();
    const size_t region = CompleteEnd();
    if (region == begin_) return 0;

    // Read as it is, where lines are folded only when they are handed out.
    const std::string_view folded(FoldsOnEmit() ? buffer_.data() : Folded(), region);
    // A line holding a character left unfolded is not skipped: a needle
    // could match its folded form.
    const size_t hit = std::min(NextNeedle(needles, folded), std::min(NextChanging(begin_), region));
    size_t stop = region;
    if (hit < region) {
        const size_t lf = folded.substr(0, hit).rfind('\n');
        stop = (lf == std::string_view::npos || lf < begin_) ? begin_ : lf + 1;
    }
    const char* base = buffer_.data();
    size_t lines = CountLineFeeds(base + begin_, stop - begin_);
    if (stop == end_ && eof_ && stop > begin_ && base[stop - 1] != '\n') ++lines;  // last line without LF
    if (lines > maxLines) {
        lines = maxLines;
        stop = begin_;
        for (size_t i = 0; i < maxLines; ++i)
            stop = size_t(static_cast<const char*>(std::memchr(base + stop, '\n', end_ - stop)) - base) + 1;
    }
    begin_ = stop;
    return lines;
}

}  // namespace qf
