#pragma once
// Reads a file as lines of UTF-8 text split at LF (a CR before the LF
// dropped) through one large buffer, keeping a case-folded copy of the
// buffer beside it so that a line's comparison form costs nothing extra. The
// file's encoding is its own (see TextDecoder): lines, their lengths and the
// cap count the decoded text. A line longer than a cap comes in pieces, so
// that no line makes the buffers grow past the cap.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/content_file.h"
#include "platform/text_decoder.h"
#include "results/line_cut.h"
#include "textsearch/term_finder.h"

namespace qf {

// A line, or a piece of a line longer than the cap. The pieces of a line are
// cap bytes long (the last one may be shorter) and each repeats the last
// bytes of the one before (the overlap), so that whatever is shorter than the
// overlap lies whole in some piece. Every byte of a piece is a byte of the
// line, and more of the line follows a piece that does not end it.
struct TextLine {
    std::string_view text;    // as read, without its line end
    // Comparison form. Byte for byte as long as text, but for a whole line
    // holding one of the few characters whose folded form has another length
    // in UTF-8 (the Kelvin sign, the long s, ...): that line is folded on its
    // own, and only the characters line up. A piece keeps those unfolded.
    // When only ASCII is looked for, letters beyond ASCII may stay unfolded.
    std::string_view folded;
    uint64_t offset = 0;      // where text starts within its line
    bool lineEnds = true;     // false: the line goes on in the next piece
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
    // Needles shared with other readers; the marks are this set's own.
    explicit SkipNeedles(std::shared_ptr<const std::vector<TermFinder>> finders);

private:
    friend class LineReader;
    // No occurrence starts between the last search start and `clear` (file
    // offsets); with `found`, one starts right at `clear`.
    struct Mark {
        uint64_t clear = 0;
        bool found = false;
    };
    size_t Count() const { return finders_ ? finders_->size() : 0; }
    Mark& MarkOf(size_t i) { return many_.empty() ? few_[i] : many_[i]; }

    std::shared_ptr<const std::vector<TermFinder>> finders_;
    // A set is made for each file read: the marks of a few needles are held
    // in place, without an allocation; only more needles take `many_`.
    std::array<Mark, 4> few_{};
    std::vector<Mark> many_;
};

class LineReader {
public:
    // Reads file (one that is not open has no lines). fold: lowercase the copy.
    LineReader(ContentFile file, bool fold, size_t lineCap = kLineCap);
    // The same, reading through buffers that outlive the reader.
    LineReader(ContentFile file, bool fold, ScanBuffers& buffers, size_t lineCap = kLineCap);
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // How many bytes each piece of a long line repeats from the one before;
    // set before the first line is read. At most half the cap, so that every
    // piece moves on: only a term longer than that (8 MiB) could be missed
    // where two pieces meet.
    void SetOverlap(size_t bytes);
    // Every needle looked for in the comparison form is ASCII: letters
    // beyond ASCII need not be folded (see FoldUtf8Bytes). Set before the
    // first line is read.
    void SetAsciiNeedles(bool asciiOnly) { asciiNeedles_ = asciiOnly; }
    size_t Overlap() const { return overlap_; }
    size_t LineCap() const { return cap_; }

    // The next line or piece; false when no character is left. A last line
    // without LF is a line.
    bool Next(TextLine& line);

    // Skips at most maxLines whole lines that hold none of the needles (in
    // comparison form) and returns how many it skipped. It stops before a line
    // that may hold one, before a line longer than the buffer, and after one
    // buffer's worth so that the caller can poll its stop flag. Nothing is
    // skipped inside a line that is being read in pieces.
    size_t SkipLinesWithout(SkipNeedles& needles, size_t maxLines);

    // Bytes the skipping has searched so far, for each needle together.
    uint64_t BytesSearched() const { return searched_; }


    // True when at least one more byte is left to read.
    bool HasMore();

private:
    bool Fill();                      // reads one more block; false at the end of the file
    void Emit(TextLine& line, size_t length, bool lineEnds);
    size_t CompleteEnd() const;       // end of the last complete line in the buffer
    void FoldRange(size_t from, size_t to);
    void ForgetChangingBefore(size_t offset);
    size_t NextChanging(size_t from) const;
    size_t NextNeedle(SkipNeedles& needles, std::string_view folded);
    const char* Folded() const { return fold_ ? folded_.data() : buffer_.data(); }
    // Only ASCII is looked for, in any case: the lines skipped are searched
    // as they are, and only lines handed out are folded (ASCII letters
    // lowered), which spares a folded copy of all the text.
    bool FoldsOnEmit() const { return fold_ && asciiNeedles_; }

    ScanBuffers own_;
    TextDecoder source_;
    bool fold_;
    bool asciiNeedles_ = false;
    bool eof_ = false;
    size_t cap_;
    size_t overlap_ = 0;
    bool inPieces_ = false;    // the current line is being read in pieces
    uint64_t lineOffset_ = 0;  // where begin_ lies within that line
    std::vector<char>& buffer_;
    std::vector<char>& folded_;
    size_t begin_ = 0;  // first unread byte
    size_t end_ = 0;    // one past the last byte read
    uint64_t bufferStart_ = 0;  // offset of the buffer's first byte in the decoded text
    uint64_t searched_ = 0;
    // Buffer offsets of the characters left unfolded because their folded
    // form has another length, ascending; and the line that holds one, folded.
    std::vector<size_t> changing_;
    std::string foldedLine_;
};

}  // namespace qf
