#pragma once
// The two passes the content scan makes over every byte it reads: folding
// letters for comparison and counting line feeds. Sixteen bytes at a time
// where the processor offers it, eight otherwise.

#include <cstddef>
#include <vector>

namespace qf {

// out[i] = the lower-case form of in[i] (ASCII letters only); in and out may be the same.
void LowerBytes(const char* in, char* out, size_t n);
// The same up to the first byte above 0x7F, whose offset it returns (n when there is none).
size_t LowerAsciiBytes(const char* in, char* out, size_t n);

// Folds valid UTF-8 text character by character (Unicode simple case
// folding) where the folded character is as long as the character, so that
// every byte keeps its place. The few characters whose folded form is longer
// or shorter are copied as they are, and their offsets (plus base) appended
// to `changing`: a line that holds one must be folded on its own.
// asciiOnly: only ASCII text is looked for in the result, so the letters
// beyond ASCII are copied; but for the two that fold to ASCII, which count
// as changing.
void FoldUtf8Bytes(const char* in, char* out, size_t n, size_t base, std::vector<size_t>& changing,
                   bool asciiOnly = false);

// Notes the offsets (plus base) of the two characters beyond ASCII that fold
// to ASCII letters (the long s and the Kelvin sign), as FoldUtf8Bytes does
// with asciiOnly, without writing a folded copy.
void NoteAsciiFoldingChars(const char* in, size_t n, size_t base, std::vector<size_t>& changing);

// A search for where two bytes of a needle stand at their distance: the
// first start s in [from, last] with text[s + a.at] like a.byte and
// text[s + b.at] like b.byte, or last + 1. Like: equal, or with anyCase the
// same letter in either case (a.byte and b.byte in lower case). Whatever
// start is returned, text holds last + the larger `at` + 1 bytes.
struct NeedleByte {
    size_t at;
    char byte;
};
size_t FindBytePair(const char* text, size_t from, size_t last, NeedleByte a, NeedleByte b, bool anyCase);

size_t CountLineFeeds(const char* p, size_t n);

}  // namespace qf
