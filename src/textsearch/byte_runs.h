#pragma once
// The two passes the content scan makes over every byte it reads: folding
// ASCII letters to lower case and counting line feeds. Sixteen bytes at a
// time where the processor offers it, eight otherwise.

#include <cstddef>

namespace qf {

// out[i] = the lower-case form of in[i] (ASCII letters only); in and out may be the same.
void LowerBytes(const char* in, char* out, size_t n);

size_t CountLineFeeds(const char* p, size_t n);

}  // namespace qf
