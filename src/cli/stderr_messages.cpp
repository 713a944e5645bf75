#include "cli/stderr_messages.h"

#include "engine/end_message.h"

namespace qf::cli {

std::string MessageLine(const Message& message) {
    std::string line = message.caption + ": ";
    for (char c : message.text) {
        if (c == '\n')
            line += "\\n";
        else if (c == '\r')
            line += "\\r";
        else
            line += c;
    }
    return line;
}

MsgAnswer StderrMessages::Show(const Message& message) {
    const bool endMessage = message.caption == kEndMessageCaption;
    if (!endMessage || showEndMessage_) writer_.Line(MessageLine(message));
    const bool question = message.buttons == MsgButtons::YesNo || message.buttons == MsgButtons::YesNoCancel;
    if (question && answerYes_) return MsgAnswer::Yes;
    return message.defaultAnswer;
}

}  // namespace qf::cli
