#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "platform/user_messages.h"

namespace {

using qf::MsgAnswer;

TEST(PlatformMessages, QuestionFormAndScriptedAnswers) {
    const qf::Message q = qf::QuestionMessage("Cap", "Sure?");
    EXPECT_EQ(q.icon, qf::MsgIcon::Warning);
    EXPECT_EQ(q.buttons, qf::MsgButtons::YesNo);
    EXPECT_EQ(q.defaultAnswer, MsgAnswer::No);

    qf::RecordingMessages messages;
    messages.ScriptAnswer(MsgAnswer::Yes);
    messages.ScriptAnswer(MsgAnswer::Cancel);
    // A plain OK message must not use up a scripted answer.
    EXPECT_EQ(messages.Show(qf::ErrorMessage("E", "e")), MsgAnswer::Ok);
    EXPECT_EQ(messages.Show(q), MsgAnswer::Yes);
    EXPECT_EQ(messages.Show(q), MsgAnswer::Cancel);
    EXPECT_EQ(messages.Show(q), MsgAnswer::No);  // script used up: the default
    EXPECT_EQ(messages.Count(), 4u);
    EXPECT_EQ(messages.Messages().front().icon, qf::MsgIcon::Error);

    messages.ScriptAnswer(MsgAnswer::Yes);
    messages.Clear();
    EXPECT_EQ(messages.Show(q), MsgAnswer::No);  // the script went with Clear
}

TEST(PlatformMessages, RecordsFromManyThreads) {
    qf::RecordingMessages messages;
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&messages] {
            for (int i = 0; i < 250; ++i) {
                messages.Show(qf::WarningMessage("W", "w"));
                messages.Beep();
            }
        });
    for (auto& t : threads) t.join();
    EXPECT_EQ(messages.Count(), 1000u);
    EXPECT_EQ(messages.Beeps(), 1000);
}

}  // namespace
