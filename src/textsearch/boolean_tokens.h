#pragma once
// Splitting a Boolean query text into tokens: phrases, words, brackets and
// operators written with points.

#include <array>
#include <string_view>
#include <vector>

#include "textsearch/boolean_query.h"

namespace qf {

// Where each phrase mark starts.
std::vector<size_t> PhraseMarkPositions(std::string_view text, std::string_view mark);

// True when two paired marks hold nothing but blanks.
bool HasEmptyPhrase(std::string_view text, std::string_view mark);

// Phrases become arguments; the rest is split into words, then at brackets,
// then at the operators the user can write. Operators come out in upper case.
BOOL_STRUCT TokenizeBooleanQuery(std::string_view text, std::string_view mark);

// The operators a query may contain, in the order the tokenizer looks for them.
inline constexpr std::array<std::string_view, 8> kWritableOperators{".NOT.", ".AND.", ".OR.",  ".NAND.",
                                                                    ".XOR.", ".NOR.", ".XNOR.", ".XXXXX."};

}  // namespace qf
