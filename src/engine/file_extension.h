#pragma once
// The extension of a name, as the type rules and the name search see it.

#include <string>
#include <string_view>

namespace qf {

constexpr std::string_view kNoExtension = "noext";

// The text after the last "." that follows the last separator; "noext" when
// there is no such "."; empty when the name ends with ".".
std::string ExtensionOfName(std::string_view name);

// The name without its extension and the dot before it (the whole name when
// it has no extension).
std::string NameWithoutExtension(std::string_view name);

// True when the extension is "zip" in any letter case.
bool IsZipExtension(std::string_view extension);

}  // namespace qf
