#pragma once
// Code points written as UTF-8, and the Windows-1252 code page that RTF's
// "\'hh" bytes are read in.

#include <string>

namespace qf {

// Appends `codePoint` as UTF-8; surrogates and values past U+10FFFF become U+FFFD.
void AppendUtf8(char32_t codePoint, std::string& out);

// The character of a Windows-1252 byte (0x80-0x9F as the code page has them;
// its five unassigned bytes map to the control characters of the same value).
char32_t Windows1252CodePoint(unsigned char byte);

}  // namespace qf
