#pragma once
// A plain whole-file reading of a text file's bytes as the program's text,
// written apart from the decoder so that the two can be held against each
// other: a byte-order mark picks UTF-8 or UTF-16, a file without one is
// UTF-8 when all of it is well-formed UTF-8 and Windows-1252 when it is not.
// Only for files shorter than the decoder's UTF-8 check bound.

#include <cstdint>
#include <string>
#include <string_view>

namespace qffuzz {

std::string ReferenceDecoding(std::string_view bytes);

// Whether text is well-formed UTF-8 (no overlong forms, no surrogates,
// nothing past U+10FFFF, no sequence cut short).
bool WellFormedUtf8(std::string_view text);

// Text as UTF-16 code units, little or big endian, with its mark: each
// well-formed character as its units, each other byte as one unit of its
// own value.
std::string AsUtf16(std::string_view text, bool bigEndian);

// The bytes as a file may hold them, by form: as they are, after a UTF-8
// or UTF-16 mark, or written as UTF-16 (most forms keep them as they are).
std::string InSomeEncoding(uint8_t form, std::string bytes);
// Whether that form writes the bytes as UTF-16.
bool WritesAsUtf16(uint8_t form);

}  // namespace qffuzz
