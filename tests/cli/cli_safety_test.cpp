// The command line under interruption and contention: signals stop a search
// the way Stop does, and two searches never empty each other's folders.

#include <signal.h>
#include <sys/stat.h>

#include <filesystem>
#include <thread>

#include <gtest/gtest.h>

#include "cli/cli_runner.h"
#include "platform/file_lock.h"
#include "support/test_support.h"

namespace {

using namespace std::chrono_literals;
using qftest::Exists;
using qftest::ReadFile;
using qftest::RunCli;
using qftest::WriteFile;

// The program started in the background, with its output captured.
class RunningCli {
public:
    explicit RunningCli(const std::vector<std::string>& args) {
        std::vector<std::string> all{QUILLFIND_CLI};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (auto& a : all) argv.push_back(a.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, (capture_ / "out").c_str(), O_WRONLY | O_CREAT, 0644);
        posix_spawn_file_actions_addopen(&actions, 2, (capture_ / "err").c_str(), O_WRONLY | O_CREAT, 0644);
        if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid_ = 0;
        posix_spawn_file_actions_destroy(&actions);
    }
    ~RunningCli() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    RunningCli(const RunningCli&) = delete;
    RunningCli& operator=(const RunningCli&) = delete;

    void Signal(int signal) const { kill(pid_, signal); }

    // The exit status, or -1 when it has not ended within `patience`.
    int Wait(std::chrono::milliseconds patience) {
        for (auto waited = 0ms; waited < patience; waited += 10ms) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = 0;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            std::this_thread::sleep_for(10ms);
        }
        return -1;
    }
    std::string Out() const { return ReadFile(capture_ / "out"); }
    std::string Err() const { return ReadFile(capture_ / "err"); }

private:
    qftest::TempDir capture_;
    pid_t pid_ = 0;
};

// Waits for a file holding a whole line.
bool WaitForLine(const std::string& path) {
    for (int i = 0; i < 1000; ++i) {
        if (Exists(path) && ReadFile(path).find('\n') != std::string::npos) return true;
        std::this_thread::sleep_for(10ms);
    }
    return false;
}

bool Alive(pid_t pid) {
    const std::string stat = ReadFile("/proc/" + std::to_string(pid) + "/stat");
    const size_t close = stat.rfind(')');
    return close != std::string::npos && close + 2 < stat.size() && stat[close + 2] != 'Z';
}

class CliSafetyTest : public ::testing::Test {
protected:
    CliSafetyTest() {
        WriteFile(first / "a.txt", "alpha\n");
        std::filesystem::copy_file(std::string(QUILLFIND_FIXTURES) + "/documents/inventory.doc", second / "slow.doc");
        // A Word converter that never ends on its own.
        WriteFile(home / "antiw.sh", "#!/bin/sh\necho $$ > '" + (home / "converter.pid") + "'\nexec sleep 60\n");
        chmod((home / "antiw.sh").c_str(), 0755);
    }
    std::vector<std::string> Args() const {
        return {"--home", home.Path(), "--no-progress", "-q", "alpha", first.Path(), second.Path()};
    }
    qftest::TempDir home, first, second;
};

TEST_F(CliSafetyTest, SignalStopsTheSearchEndsTheConverterAndPrintsWhatWasFound) {
    for (const int signal : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(signal);
        std::filesystem::remove(home / "converter.pid");
        RunningCli cli(Args());
        ASSERT_TRUE(WaitForLine(home / "converter.pid"));
        const pid_t converter = std::stoi(ReadFile(home / "converter.pid"));
        cli.Signal(signal);
        EXPECT_EQ(cli.Wait(20s), 128 + signal);
        EXPECT_NE(cli.Out().find(first / "a.txt"), std::string::npos);
        for (int i = 0; i < 100 && Alive(converter); ++i) std::this_thread::sleep_for(10ms);
        EXPECT_FALSE(Alive(converter));
        EXPECT_NE(ReadFile(home / "Temp/DefaultTempRosszWord.Log").find(" Word conversion stopped "),
                  std::string::npos);
    }
}

TEST_F(CliSafetyTest, SecondSignalEndsAtOnceAndStillEndsTheConverter) {
    RunningCli cli(Args());
    ASSERT_TRUE(WaitForLine(home / "converter.pid"));
    const pid_t converter = std::stoi(ReadFile(home / "converter.pid"));
    cli.Signal(SIGINT);
    cli.Signal(SIGTERM);
    // Either may be taken first, by any thread; the second ends the program
    // before it prints anything.
    const int status = cli.Wait(20s);
    EXPECT_TRUE(status == 128 + SIGINT || status == 128 + SIGTERM) << status << "\n" << cli.Err();
    EXPECT_EQ(cli.Out(), "");
    for (int i = 0; i < 100 && Alive(converter); ++i) std::this_thread::sleep_for(10ms);
    EXPECT_FALSE(Alive(converter));
}

TEST_F(CliSafetyTest, SecondSearchOfTheSameHomeIsRefusedAndEmptiesNothing) {
    ASSERT_EQ(RunCli({"--home", home.Path(), "--no-progress", "-q", "alpha", first.Path()}).exitCode, 0);
    WriteFile(home / "Temp/ZIPFILES/ZIPS00001/ZIPS00001/x.txt", "still searched");
    bool busy = false;
    const auto running = qf::FileLock::Acquire(home / "search.lock", 0ms, busy);
    ASSERT_TRUE(running);

    const auto r = RunCli({"--home", home.Path(), "--no-progress", "--yes", "-q", "alpha", first.Path()});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("Msg no: 1301."), std::string::npos);
    EXPECT_TRUE(Exists(home / "Temp/ZIPFILES/ZIPS00001/ZIPS00001/x.txt"));
}

TEST_F(CliSafetyTest, UsersOwnTempUnderTheChosenHomeIsNeverEmptied) {
    WriteFile(first / "Temp/notes.txt", "mine");
    const auto r = RunCli({"--home", first.Path(), "--no-progress", "--yes", "-q", "alpha", second.Path()});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("Msg no: 1030."), std::string::npos);
    EXPECT_EQ(ReadFile(first / "Temp/notes.txt"), "mine");
}

TEST_F(CliSafetyTest, UnzipBudgetSetByKeyHoldsAcrossTheArchivesOfASearch) {
    qftest::TempDir archives;
    WriteFile(archives / "big.txt", "alpha\n" + std::string(700000, 'x') + "\n");
    const std::string cmd = "cd " + archives.Path() + " && zip -q a.zip big.txt && zip -q b.zip big.txt && rm big.txt";
    if (std::system(cmd.c_str()) != 0) GTEST_SKIP() << "no zip command to build the archives";

    const auto r = RunCli({"--home", home.Path(), "--no-progress", "--set", "ZIPBUDGETM=1", "--unzip", "--log", "zip",
                           "-q", "alpha", archives.Path()});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find(" Unzip refused, the search's unzip budget is spent  :    " + (archives / "b.zip")),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("ZIPS00001"), std::string::npos);
    EXPECT_EQ(r.out.find("ZIPS00002"), std::string::npos);
}

}  // namespace
