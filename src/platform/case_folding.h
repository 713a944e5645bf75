#pragma once
// Case without regard to language: Unicode simple case folding, one
// character to one character, as ICU's tables have it. "Ä" and "ä" fold
// alike, so do "Σ", "σ" and "ς"; "ß" stays "ß" (the capital "ẞ" folds to
// it), so "straße" and "STRASSE" do not meet. A fold may change the length
// of a character in UTF-8 (the Kelvin sign folds to "k"), never the number
// of characters.

#include <string>
#include <string_view>

namespace qf {

char32_t FoldCodePoint(char32_t c);

// The characters beyond ASCII whose folded form is ASCII: the long s and the
// Kelvin sign. Only these can make an ASCII term match other letters.
constexpr char32_t kLongS = 0x017F;
constexpr char32_t kKelvinSign = 0x212A;

// Every well-formed UTF-8 character folded; a byte that begins none is kept.
std::string FoldCase(std::string_view text);

// The form in which a term or a name is compared: the text as UTF-8 (a byte
// that is not UTF-8 read as Windows-1252), folded unless the comparison
// regards case.
std::string ComparisonText(std::string_view text, bool caseSensitive);

}  // namespace qf
