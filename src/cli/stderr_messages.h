#pragma once
// Message boxes of the command line: one line "caption: text" on stderr.

#include "cli/stderr_writer.h"
#include "platform/user_messages.h"

namespace qf::cli {

class StderrMessages : public UserMessages {
public:
    // `answerYes`: questions get Yes instead of their default button.
    // `showEndMessage`: print the end-of-search message (only with --progress).
    StderrMessages(StderrWriter& writer, bool answerYes, bool showEndMessage)
        : writer_(writer), answerYes_(answerYes), showEndMessage_(showEndMessage) {}

    MsgAnswer Show(const Message& message) override;
    void Beep() override { writer_.Bell(); }

private:
    StderrWriter& writer_;
    bool answerYes_;
    bool showEndMessage_;
};

// "caption: text" with line breaks written as \n.
std::string MessageLine(const Message& message);

}  // namespace qf::cli
