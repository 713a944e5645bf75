#include "cli/stderr_messages.h"

#include "engine/end_message.h"
#include "platform/control_chars.h"

namespace qf::cli {
namespace {

std::string JoinedLines(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size();) {
        if (text[i] != '\n') {
            out += text[i++];
            continue;
        }
        while (!out.empty() && out.back() == ' ') out.pop_back();
        while (i < text.size() && (text[i] == '\n' || text[i] == ' ')) ++i;
        out += ' ';
    }
    return out;
}

}  // namespace

std::string MessageLine(const Message& message, bool oneLine) {
    const std::string line = message.caption + ": " + message.text;
    return oneLine ? EscapeControlChars(JoinedLines(line)) : EscapeControlChars(line, "\n");
}

MsgAnswer StderrMessages::Show(const Message& message) {
    const bool endMessage = message.caption == kEndMessageCaption;
    if (!endMessage || style_.showEndMessage) writer_.Line(MessageLine(message, style_.oneLine));
    const bool question = message.buttons == MsgButtons::YesNo || message.buttons == MsgButtons::YesNoCancel;
    if (question && style_.answerYes) return MsgAnswer::Yes;
    return message.defaultAnswer;
}

}  // namespace qf::cli
