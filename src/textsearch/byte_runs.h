#pragma once
// The passes the content scan makes over the bytes it reads: counting line
// feeds, looking for either of two bytes (a letter in both cases), and
// folding ASCII letters to lower case. Thirty-two or sixteen bytes at a time
// where the processor offers it, eight otherwise.

#include <cstddef>

namespace qf {

// out[i] = the lower-case form of in[i] (ASCII letters only); in and out may be the same.
void LowerBytes(const char* in, char* out, size_t n);

size_t CountLineFeeds(const char* p, size_t n);

// The first of p[0..n) that is a or b, or nullptr.
const char* FindEitherByte(const char* p, size_t n, char a, char b);

}  // namespace qf
