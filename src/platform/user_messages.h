#pragma once
// Every message box of the program goes through this interface.

#include <mutex>
#include <string>
#include <vector>

namespace qf {

enum class MsgIcon { None, Warning, Error, Information, Exclamation, Question };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No };

struct Message {
    std::string caption;
    std::string text;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
    MsgAnswer defaultAnswer = MsgAnswer::Ok;
    bool ownedByMainWindow = false;
};

class UserMessages {
public:
    virtual ~UserMessages() = default;
    virtual MsgAnswer Show(const Message& message) = 0;
    virtual void Beep() {}
};

// Keeps every message; answers questions from a script, else with the default.
class RecordingMessages : public UserMessages {
public:
    MsgAnswer Show(const Message& message) override;
    void Beep() override;
    void ScriptAnswer(MsgAnswer answer);

    std::vector<Message> Messages() const;
    size_t Count() const;
    Message Last() const;
    int Beeps() const;
    void Clear();

private:
    mutable std::mutex mutex_;
    std::vector<Message> messages_;
    std::vector<MsgAnswer> script_;
    int beeps_ = 0;
};

// Builds the usual message forms.
Message WarningMessage(std::string caption, std::string text);
Message ErrorMessage(std::string caption, std::string text);
Message QuestionMessage(std::string caption, std::string text);  // Yes/No, warning icon, No preselected

}  // namespace qf
