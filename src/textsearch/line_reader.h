#pragma once
// Reads a file as lines split at LF (a CR before the LF dropped) through one
// large buffer, keeping a case-folded copy of the buffer beside it so that a
// line's comparison form costs nothing extra.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/content_file.h"
#include "textsearch/term_finder.h"

namespace qf {

struct TextLine {
    std::string_view text;    // as read, without its line end
    std::string_view folded;  // comparison form, same length
};

// The two read buffers, kept from file to file: a search reads many small
// files, and fresh large buffers for each would cost more than the reading.
struct ScanBuffers {
    std::vector<char> text;
    std::vector<char> folded;

    // Gives back what a very long line made them grow to, so that one huge
    // line does not keep its memory for the rest of the search.
    void ReleaseIfGrown();
};

// The needles that lines are skipped for, and how far each has been looked
// for: skipping a run of lines then searches the text once for each needle,
// whatever their order. One set belongs to one reader.
class SkipNeedles {
public:
    SkipNeedles() = default;
    explicit SkipNeedles(std::vector<TermFinder> finders);

private:
    friend class LineReader;
    // No occurrence starts between the last search start and `clear` (file
    // offsets); with `found`, one starts right at `clear`.
    struct Mark {
        uint64_t clear = 0;
        bool found = false;
    };
    std::vector<TermFinder> finders_;
    std::vector<Mark> marks_;
};

class LineReader {
public:
    // Reads file (one that is not open has no lines). fold: lowercase the copy.
    LineReader(ContentFile file, bool fold);
    // The same, reading through buffers that outlive the reader.
    LineReader(ContentFile file, bool fold, ScanBuffers& buffers);
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // The next line; false when no character is left. A last line without LF is a line.
    bool Next(TextLine& line);

    // Skips at most maxLines whole lines that hold none of the needles (in
    // comparison form) and returns how many it skipped. It stops before a line
    // that may hold one, and after one buffer's worth so that the caller can
    // poll its stop flag.
    size_t SkipLinesWithout(SkipNeedles& needles, size_t maxLines);

    // Bytes the skipping has searched so far, for each needle together.
    uint64_t BytesSearched() const { return searched_; }

private:
    bool Fill();                      // reads one more block; false at the end of the file
    size_t CompleteEnd() const;       // end of the last complete line in the buffer
    void FoldRange(size_t from, size_t to);
    size_t NextNeedle(SkipNeedles& needles, std::string_view folded);
    const char* Folded() const { return fold_ ? folded_.data() : buffer_.data(); }

    ScanBuffers own_;
    ContentFile file_;
    bool fold_;
    bool eof_ = false;
    std::vector<char>& buffer_;
    std::vector<char>& folded_;
    size_t begin_ = 0;  // first unread byte
    size_t end_ = 0;    // one past the last byte read
    uint64_t bufferStart_ = 0;  // file offset of the buffer's first byte
    uint64_t searched_ = 0;
};

}  // namespace qf
