// Two searches with one home: the second waits for the first, then gives up
// without touching the folders the first is using.

#include "engine/search_lock.h"

#include <gtest/gtest.h>

#include <thread>

#include "run_helpers.h"
#include "support/test_support.h"

namespace {

using namespace std::chrono_literals;

TEST(SearchLock, SecondSearchOfAHomeWaitsThenRefusesAndEmptiesNothing) {
    qftest::TempDir home;
    qf::RecordingMessages messages;
    qf::Session first{home.Path()};
    ASSERT_TRUE(qf::PrepareSessionFolders(first, messages));
    const std::string extracted = home / "Temp/ZIPFILES/ZIPS00001/ZIPS00001/a.txt";
    qftest::WriteFile(extracted, "being searched");

    qf::Session second{home.Path()};
    EXPECT_FALSE(qf::PrepareSessionFolders(second, messages, 100ms));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Error !    Msg no: 1301.");
    EXPECT_NE(messages.Last().text.find(home.Path()), std::string::npos);
    EXPECT_TRUE(qftest::Exists(extracted));

    // The first ends while the second waits: the second goes ahead.
    std::thread end([&] {
        std::this_thread::sleep_for(200ms);
        qf::ReleaseSearchLock(first);
    });
    EXPECT_TRUE(qf::PrepareSessionFolders(second, messages, 5000ms));
    end.join();
    EXPECT_FALSE(qftest::Exists(extracted));
    EXPECT_EQ(messages.Count(), 1u);
}

TEST(SearchLock, RunAndRefusedValidationReleaseTheLock) {
    qftest::TempDir home, data;
    qftest::WriteFile(data / "a.txt", "alpha");
    qf::RecordingMessages messages;
    qf::Session first{home.Path()};
    qftest::ByFileName(first, {data.Path()});
    ASSERT_TRUE(qftest::RunSearch(first, messages).started);

    qf::Session second{home.Path()};
    second.state.options.SetText(qf::Opt::FINDTEXTS1, "");  // no query: refused
    second.state.options.SetList(qf::Opt::DIRECTORIS, {data.Path()});
    ASSERT_TRUE(qf::PrepareSessionFolders(second, messages, 0ms));
    EXPECT_FALSE(qf::ValidateSessionSearch(second, messages));

    qf::Session third{home.Path()};
    EXPECT_TRUE(qf::PrepareSessionFolders(third, messages, 0ms));
}

}  // namespace
