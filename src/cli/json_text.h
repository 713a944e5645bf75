#pragma once
// JSON text pieces: strings, UTF-8 checks and base64 for byte strings.

#include <string>
#include <string_view>

namespace qf::cli {

bool IsValidUtf8(std::string_view text);
std::string Base64(std::string_view bytes);

// A JSON string literal, quotes included; the text must be valid UTF-8.
std::string JsonString(std::string_view text);

// A JSON string, or {"bytes": "<base64>"} when the text is not valid UTF-8.
std::string JsonText(std::string_view text);

}  // namespace qf::cli
