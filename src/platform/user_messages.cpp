#include "platform/user_messages.h"

#include <utility>

namespace qf {

MsgAnswer RecordingMessages::Show(const Message& message) {
    std::lock_guard lock(mutex_);
    messages_.push_back(message);
    if (message.buttons == MsgButtons::Ok) return MsgAnswer::Ok;
    if (script_.empty()) return message.defaultAnswer;
    const MsgAnswer answer = script_.front();
    script_.erase(script_.begin());
    return answer;
}

void RecordingMessages::Beep() {
    std::lock_guard lock(mutex_);
    ++beeps_;
}

void RecordingMessages::ScriptAnswer(MsgAnswer answer) {
    std::lock_guard lock(mutex_);
    script_.push_back(answer);
}

std::vector<Message> RecordingMessages::Messages() const {
    std::lock_guard lock(mutex_);
    return messages_;
}

size_t RecordingMessages::Count() const {
    std::lock_guard lock(mutex_);
    return messages_.size();
}

Message RecordingMessages::Last() const {
    std::lock_guard lock(mutex_);
    return messages_.empty() ? Message{} : messages_.back();
}

int RecordingMessages::Beeps() const {
    std::lock_guard lock(mutex_);
    return beeps_;
}

void RecordingMessages::Clear() {
    std::lock_guard lock(mutex_);
    messages_.clear();
    script_.clear();
    beeps_ = 0;
}

namespace {

Message MessageWithIcon(std::string caption, std::string text, MsgIcon icon) {
    Message m;
    m.caption = std::move(caption);
    m.text = std::move(text);
    m.icon = icon;
    return m;
}

}  // namespace

Message WarningMessage(std::string caption, std::string text) {
    return MessageWithIcon(std::move(caption), std::move(text), MsgIcon::Warning);
}

Message ErrorMessage(std::string caption, std::string text) {
    return MessageWithIcon(std::move(caption), std::move(text), MsgIcon::Error);
}

Message QuestionMessage(std::string caption, std::string text) {
    Message m = WarningMessage(std::move(caption), std::move(text));
    m.buttons = MsgButtons::YesNo;
    m.defaultAnswer = MsgAnswer::No;
    return m;
}

}  // namespace qf
