#pragma once
// Text as the program holds it, UTF-8: its sequences, code points written as
// UTF-8, characters counted, and the Windows-1252 code page that 8-bit text
// (and RTF's "\'hh" bytes) are read in.

#include <cstddef>
#include <string>
#include <string_view>

namespace qf {

constexpr size_t kUtf8MaxBytes = 4;
constexpr char32_t kReplacementCharacter = 0xFFFD;

// Appends `codePoint` as UTF-8; surrogates and values past U+10FFFF become U+FFFD.
void AppendUtf8(char32_t codePoint, std::string& out);
// The same into out (room for kUtf8MaxBytes); returns the bytes written.
size_t WriteUtf8(char32_t codePoint, char* out);

// The character of a Windows-1252 byte (0x80-0x9F as the code page has them;
// its five unassigned bytes map to the control characters of the same value).
char32_t Windows1252CodePoint(unsigned char byte);

// One character at the start of a text: its code point and its bytes.
struct Utf8Char {
    char32_t codePoint = 0;
    size_t length = 0;  // 0: no well-formed sequence starts there
    bool cutShort = false;  // length 0 only because the text ends inside a sequence
};

// The well-formed sequence at the start of s (overlong forms and surrogates
// are not well formed).
Utf8Char DecodeUtf8(std::string_view s);

// Length of the well-formed UTF-8 sequence at the start of s, 0 when the
// first byte does not begin one.
size_t Utf8SequenceLength(std::string_view s);

// Bytes of the character at the start of s: its sequence, or 1 for a byte
// that begins none (such a byte counts as one character).
inline size_t Utf8CharBytes(std::string_view s) {
    if (s.empty()) return 0;
    if (static_cast<unsigned char>(s[0]) < 0x80) return 1;
    const size_t length = Utf8SequenceLength(s);
    return length == 0 ? 1 : length;
}

bool IsUtf8Text(std::string_view text);
// Text as UTF-8: each byte that begins no sequence read as its Windows-1252
// character. It has as many characters as Utf8CharCount counts in text.
std::string AsUtf8Text(std::string_view text);

// Characters in text, a byte that begins no sequence being one.
size_t Utf8CharCount(std::string_view text);
// Where character `index` begins (text.size() for an index past the end).
size_t Utf8ByteOfChar(std::string_view text, size_t index);
// The first `count` characters of text.
std::string_view Utf8Prefix(std::string_view text, size_t count);

// The length of text without a sequence that its end cuts short.
size_t CompleteUtf8Length(std::string_view text);

// Where the first byte above 0x7F is, or n.
size_t FirstNonAscii(const char* p, size_t n);

}  // namespace qf
