#pragma once
// The checks of the text options dialog, over the values of its fields, so
// that the dialog itself only shows what they return.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/user_messages.h"

namespace qf {

struct TextOptionsFields {
    bool startSelected = false;   // STARTCHECK
    bool startByLine = false;     // "Start line number:"
    bool startByTerm = false;     // "Start term/phrase:"
    std::string startLineText;
    std::string startTermText;
    bool stopSelected = false;    // CLINENUMBR
    bool stopByLine = false;      // "Stop line number:"
    bool stopByTerm = false;      // "Stop term/phrase:"
    std::string stopLineText;
    std::string stopTermText;
    std::string mark;             // the phrase mark
};

// A line-number field: digits only (blanks around allowed), at most 2,147,483,647.
bool ParseLineNumber(std::string_view text, int32_t& value);

// The OK checks in order: the first failing check's message, or none.
std::optional<Message> CheckTextOptions(const TextOptionsFields& fields);

// While typing: a limit above 10,000 gives its message and the field's new value.
std::optional<Message> CheckRunLimitTyped(int64_t& value);   // SEARCHMAXL: set to 10000
std::optional<Message> CheckFileLimitTyped(int64_t& value);  // RESLINENUM: set to 10

}  // namespace qf
