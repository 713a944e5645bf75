#pragma once
// Reads a file as lines split at LF (a CR before the LF dropped) through one
// large buffer, keeping a case-folded copy of the buffer beside it so that a
// line's comparison form costs nothing extra.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

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

class LineReader {
public:
    // Takes ownership of file (may be null: no lines). fold: lowercase the copy.
    LineReader(std::FILE* file, bool fold);
    // The same, reading through buffers that outlive the reader.
    LineReader(std::FILE* file, bool fold, ScanBuffers& buffers);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // The next line; false when no character is left. A last line without LF is a line.
    bool Next(TextLine& line);

    // Skips at most maxLines whole lines that hold none of the needles (in
    // comparison form) and returns how many it skipped. It stops before a line
    // that may hold one, and after one buffer's worth so that the caller can
    // poll its stop flag.
    size_t SkipLinesWithout(const std::vector<TermFinder>& needles, size_t maxLines);

    // True when at least one more byte is left to read.
    bool HasMore();

private:
    bool Fill();                      // reads one more block; false at the end of the file
    size_t CompleteEnd() const;       // end of the last complete line in the buffer
    void FoldRange(size_t from, size_t to);
    const char* Folded() const { return fold_ ? folded_.data() : buffer_.data(); }

    ScanBuffers own_;
    std::FILE* file_;
    bool fold_;
    bool eof_ = false;
    std::vector<char>& buffer_;
    std::vector<char>& folded_;
    size_t begin_ = 0;  // first unread byte
    size_t end_ = 0;    // one past the last byte read
};

// Opens path for binary reading with a large buffer; null when it does not open.
std::FILE* OpenForScan(const std::string& path);

}  // namespace qf
