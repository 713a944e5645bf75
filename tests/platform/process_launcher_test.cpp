#include <gtest/gtest.h>
#include <sys/stat.h>

#include <unistd.h>

#include <cstdlib>
#include <thread>

#include "platform/process_launcher.h"
#include "support/test_support.h"

namespace {

int RunChild(std::vector<std::string> argv, std::string stdoutFile = {}, std::map<std::string, std::string> env = {}) {
    qf::ProcessRequest request;
    request.argv = std::move(argv);
    request.stdoutFile = std::move(stdoutFile);
    request.envChanges = std::move(env);
    return qf::RunProcess(request);
}

TEST(PlatformProcess, ReportsExitCodes) {
    EXPECT_EQ(RunChild({"true"}), 0);
    EXPECT_EQ(RunChild({"false"}), 1);
    EXPECT_EQ(RunChild({"/bin/sh", "-c", "exit 3"}), 3);
    EXPECT_EQ(RunChild({"/bin/sh", "-c", "exit 255"}), 255);
}

TEST(PlatformProcess, CannotStartOrKilledGivesMinusOne) {
    EXPECT_EQ(RunChild({"quillfind-no-such-program-xyz"}), -1);
    EXPECT_EQ(RunChild({"/nonexistent/dir/prog"}), -1);
    EXPECT_EQ(RunChild({}), -1);
    EXPECT_EQ(RunChild({"/bin/sh", "-c", "kill -9 $$"}), -1);

    qftest::TempDir dir;
    qftest::WriteFile(dir / "not-executable.sh", "#!/bin/sh\nexit 0\n");
    EXPECT_EQ(RunChild({dir / "not-executable.sh"}), -1);
    EXPECT_EQ(RunChild({"true"}, dir / "no/such/folder/out.txt"), -1);
}

TEST(PlatformProcess, StdoutGoesToFileAndReplacesOldContent) {
    qftest::TempDir dir;
    const std::string out = dir / "out.txt";
    qftest::WriteFile(out, "old content that is longer than the new one\n");
    EXPECT_EQ(RunChild({"/bin/sh", "-c", "echo converted; echo noise >&2"}, out), 0);
    EXPECT_EQ(qftest::ReadFile(out), "converted\n");
    // cat would block on an inherited terminal; its input is empty instead.
    EXPECT_EQ(RunChild({"cat"}, out), 0);
    EXPECT_EQ(qftest::ReadFile(out), "");
}

TEST(PlatformProcess, ArgumentsArriveIntactWithoutShell) {
    qftest::TempDir dir;
    const std::string out = dir / "args.txt";
    const std::string tricky = "My \"quoted\" file 'x' $HOME;`id`.doc";
    EXPECT_EQ(RunChild({"/bin/sh", "-c", "printf '%s|' \"$@\"", "sh", tricky, "", "two words"}, out), 0);
    EXPECT_EQ(qftest::ReadFile(out), tricky + "||two words|");
}

TEST(PlatformProcess, EnvironmentChangesReachOnlyTheChild) {
    qftest::TempDir dir;
    const std::string out = dir / "env.txt";
    ASSERT_EQ(std::getenv("QF_TEST_ONLY_CHILD"), nullptr);
    const std::string parentHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    EXPECT_EQ(RunChild({"/bin/sh", "-c", "printf '%s,%s' \"$QF_TEST_ONLY_CHILD\" \"$HOME\""}, out,
                  {{"QF_TEST_ONLY_CHILD", "yes"}, {"HOME", "/tmp/child-home"}}),
              0);
    EXPECT_EQ(qftest::ReadFile(out), "yes,/tmp/child-home");
    EXPECT_EQ(std::getenv("QF_TEST_ONLY_CHILD"), nullptr);
    EXPECT_EQ(std::string(std::getenv("HOME") ? std::getenv("HOME") : ""), parentHome);
}

TEST(PlatformProcess, ChangedPathIsUsedToFindTheProgram) {
    qftest::TempDir dir;
    const std::string tool = dir / "bin/qf-converter-stub";
    qftest::WriteFile(tool, "#!/bin/sh\nexit 7\n");
    ASSERT_EQ(chmod(tool.c_str(), 0755), 0);
    EXPECT_EQ(RunChild({"qf-converter-stub"}), -1);
    EXPECT_EQ(RunChild({"qf-converter-stub"}, {}, {{"PATH", "/nonexistent:" + (dir / "bin")}}), 7);
}

}  // namespace

namespace {

// True while a process of that id exists and has not ended.
bool Alive(pid_t pid) {
    const std::string stat = qftest::ReadFile("/proc/" + std::to_string(pid) + "/stat");
    const size_t close = stat.rfind(')');
    return close != std::string::npos && close + 2 < stat.size() && stat[close + 2] != 'Z';
}

TEST(PlatformProcess, TimeLimitOrStopEndsTheChildWithEverythingItStarted) {
    qftest::TempDir dir;
    const std::string pidFile = dir / "grandchild.pid";
    qf::ProcessRequest request;
    request.argv = {"/bin/sh", "-c", "sleep 30 & echo $! > \"$0\"; wait", pidFile};

    qf::ProcessLimits limits;
    limits.timeLimit = std::chrono::milliseconds(300);
    qf::ProcessOutcome outcome = qf::RunProcessWithLimits(request, limits);
    EXPECT_EQ(outcome.end, qf::ProcessEnd::TimedOut);
    EXPECT_EQ(outcome.exitCode, -1);
    const pid_t grandchild = std::stoi(qftest::ReadFile(pidFile));
    for (int i = 0; i < 100 && Alive(grandchild); ++i) usleep(10000);
    EXPECT_FALSE(Alive(grandchild));

    std::atomic<int> stop{0};
    limits = {};
    limits.stopRequest = &stop;
    std::thread stopper([&] {
        usleep(200000);
        stop = 1;
    });
    outcome = qf::RunProcessWithLimits(request, limits);
    stopper.join();
    EXPECT_EQ(outcome.end, qf::ProcessEnd::Stopped);

    // Within its limits a child ends as usual.
    stop = 0;
    request.argv = {"/bin/sh", "-c", "exit 4"};
    outcome = qf::RunProcessWithLimits(request, limits);
    EXPECT_EQ(outcome.end, qf::ProcessEnd::Exited);
    EXPECT_EQ(outcome.exitCode, 4);
}

}  // namespace
