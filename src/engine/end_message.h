#pragma once
// The end-of-search message (0051).

#include <cstdint>

#include "platform/user_messages.h"

namespace qf {

constexpr const char* kEndMessageCaption = "Information    Msg no: 0051.";

// "End of search !!!", or the display-limit text when SEARCHMAXL is less
// than nResultLines + 1.
Message EndOfSearchMessage(int64_t searchMaxLines, int64_t resultLines);

}  // namespace qf
