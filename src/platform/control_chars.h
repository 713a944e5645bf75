#pragma once
// Control characters of names and file contents shown as escapes, so that
// such a text can neither break a line of a log nor drive a terminal.

#include <string>
#include <string_view>

namespace qf {

// C0 controls and DEL become \t, \n, \r or \xHH; a C1 control (U+0080 to
// U+009F in UTF-8, or a stray byte 0x80 to 0x9F outside UTF-8) becomes \xHH
// per byte. Characters in `keep` and every other byte, backslash included,
// stay as they are.
std::string EscapeControlChars(std::string_view text, std::string_view keep = {});

}  // namespace qf
