#include "textsearch/line_reader.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "textsearch/byte_runs.h"

namespace qf {
namespace {

constexpr size_t kBlockSize = 256 * 1024;

}  // namespace

void ScanBuffers::ReleaseIfGrown() {
    if (text.size() <= kBlockSize && folded.size() <= kBlockSize) return;
    std::vector<char>().swap(text);
    std::vector<char>().swap(folded);
}

std::FILE* OpenForScan(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    // Our own buffer is large; a second one inside the stream would only copy.
    if (file) std::setvbuf(file, nullptr, _IONBF, 0);
    return file;
}

LineReader::LineReader(std::FILE* file, bool fold) : LineReader(file, fold, own_) {}

LineReader::LineReader(std::FILE* file, bool fold, ScanBuffers& buffers)
    : file_(file), fold_(fold), eof_(file == nullptr), buffer_(buffers.text), folded_(buffers.folded) {
    if (buffer_.size() < kBlockSize) buffer_.resize(kBlockSize);
    if (fold_ && folded_.size() < buffer_.size()) folded_.resize(buffer_.size());
}

LineReader::~LineReader() {
    if (file_) std::fclose(file_);
}

void LineReader::FoldRange(size_t from, size_t to) {
    if (fold_) LowerBytes(buffer_.data() + from, folded_.data() + from, to - from);
}

bool LineReader::Fill() {
    if (eof_) return false;
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        if (fold_) std::memmove(folded_.data(), folded_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    if (end_ == buffer_.size()) {  // one line longer than the buffer
        buffer_.resize(buffer_.size() * 2);
        if (fold_ && folded_.size() < buffer_.size()) folded_.resize(buffer_.size());
    }
    const size_t wanted = buffer_.size() - end_;
    const size_t n = std::fread(buffer_.data() + end_, 1, wanted, file_);
    // An unbuffered read stops short only at the end of the file (or on an
    // error): asking again would cost one more system call for nothing.
    if (n < wanted) eof_ = true;
    if (n == 0) return false;
    FoldRange(end_, end_ + n);
    end_ += n;
    return true;
}

bool LineReader::Next(TextLine& line) {
    size_t scanned = 0;  // bytes after begin_ known to hold no LF
    for (;;) {
        const char* base = buffer_.data();
        const void* lf = std::memchr(base + begin_ + scanned, '\n', end_ - begin_ - scanned);
        if (lf != nullptr || (eof_ && begin_ < end_)) {
            const size_t stop = lf ? size_t(static_cast<const char*>(lf) - base) : end_;
            size_t length = stop - begin_;
            if (lf && length > 0 && base[stop - 1] == '\r') --length;
            line.text = std::string_view(base + begin_, length);
            line.folded = std::string_view(Folded() + begin_, length);
            begin_ = lf ? stop + 1 : end_;
            return true;
        }
        if (eof_) return false;
        scanned = end_ - begin_;
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

size_t LineReader::SkipLinesWithout(const std::vector<TermFinder>& needles, size_t maxLines) {
    if (maxLines == 0) return 0;
    if (CompleteEnd() == begin_ && !eof_) Fill();
    const size_t region = CompleteEnd();
    if (region == begin_) return 0;

    const std::string_view folded(Folded(), region);
    size_t hit = region;
    for (const TermFinder& needle : needles) {
        // Only an occurrence that starts before the best one so far matters.
        const size_t limit = hit == region ? region : std::min(region, hit - 1 + needle.Needle().size());
        const size_t p = needle.Find(folded.substr(0, limit), begin_);
        if (p != std::string_view::npos && p < hit) hit = p;
    }
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
