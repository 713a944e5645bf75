#pragma once
// The byte loops of the content scan, thirty-two bytes a step, for
// processors that have AVX2; chosen while the program runs, so that the
// same build also runs where there is none. Each returns how far it got:
// the callers finish the last bytes (and everything, without AVX2).

#include <cstddef>

namespace qf::wide {

// True when the processor has AVX2 (and the build can use it), unless
// switched off: tests run the narrow loops on such processors too.
bool Available();
void SetEnabled(bool enabled);

// Where the first 32-byte step that holds a byte above 0x7F begins (or
// where the steps end); a caller looks at the bytes from there on.
size_t AsciiSteps(const char* p, size_t n);
// Line feeds in p[i, ...) in whole 32-byte steps; i is moved past them.
size_t LineFeedSteps(const char* p, size_t& i, size_t n);
// out = in with A-Z lowered, up to the first step holding a byte above
// 0x7F; returns where it stopped.
size_t LowerAsciiSteps(const char* in, char* out, size_t n);
// The first start s from `from` on with text[s + atA] like byteA and
// text[s + atB] like byteB (caseBit: 0x20 for a lower-case letter that may
// be in either case, else 0), looked for in whole 32-byte steps that end by
// last + 1; or, when they hold none, the first start not looked at.
size_t BytePairSteps(const char* text, size_t from, size_t last, size_t atA, char byteA, char caseBitA, size_t atB,
                     char byteB, char caseBitB);

}  // namespace qf::wide
