#pragma once
// Message boxes of the command line: "caption: text" on stderr.

#include "cli/stderr_writer.h"
#include "platform/user_messages.h"

namespace qf::cli {

struct StderrMessageStyle {
    bool answerYes = false;       // questions get Yes instead of their default button
    bool showEndMessage = false;  // print the end-of-search message (only with --progress)
    bool oneLine = false;         // each message on one line (beside JSON output)
    bool beep = false;            // the end-of-search sound rings the terminal bell (--beep)
};

class StderrMessages : public UserMessages {
public:
    StderrMessages(StderrWriter& writer, StderrMessageStyle style) : writer_(writer), style_(style) {}

    MsgAnswer Show(const Message& message) override;
    void Beep() override {
        if (style_.beep) writer_.Bell();
    }

private:
    StderrWriter& writer_;
    StderrMessageStyle style_;
};

// "caption: text" with the text's line breaks as they are, or with each run of
// them (and the blanks around it) as one space; other control characters escaped.
std::string MessageLine(const Message& message, bool oneLine);

}  // namespace qf::cli
