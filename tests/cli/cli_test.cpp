#include <sys/stat.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "cli/cli_runner.h"
#include "support/test_support.h"

namespace {

using qftest::RunCli;
using qftest::WriteFile;

class CliTest : public ::testing::Test {
protected:
    CliTest() {
        WriteFile(tree / "a.txt", "alpha beta\n\tgamma alpha\n");
        WriteFile(tree / "sub/b.txt", "nothing here\n");
    }
    // Every run gets its own home and never shows a progress line.
    std::vector<std::string> Args(std::vector<std::string> rest) const {
        std::vector<std::string> args = {"--home", home.Path(), "--no-progress"};
        args.insert(args.end(), rest.begin(), rest.end());
        return args;
    }
    qftest::TempDir home;
    qftest::TempDir tree;
};

TEST_F(CliTest, ExitStatusTellsFoundNothingAndRefused) {
    auto r = RunCli(Args({"-q", "alpha", tree.Path()}));
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find(tree / "a.txt"), std::string::npos);
    EXPECT_EQ(r.err, "");  // the end message only with --progress

    EXPECT_EQ(RunCli(Args({"-q", "omega", tree.Path()})).exitCode, 1);

    r = RunCli(Args({"-q", "alpha"}));
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, "Warning !    Msg no:0088: There is(are) no selected folder(s) !\\n\\n"
                     "Action: Press the Select FOLDER(s) button!\n");
    EXPECT_EQ(RunCli(Args({"--format", "xml", "-q", "alpha", tree.Path()})).exitCode, 2);
}

TEST_F(CliTest, JsonLinesCarryFieldsAndHits) {
    const auto r = RunCli(Args({"-q", "alpha", "--format", "json", tree.Path()}));
    ASSERT_EQ(r.exitCode, 0);
    const std::string first = r.out.substr(0, r.out.find('\n'));
    EXPECT_NE(first.find("\"fullLine\": \"alpha beta\""), std::string::npos);
    EXPECT_NE(first.find("\"resultKind\": 3"), std::string::npos);
    EXPECT_NE(first.find("\"hits\": {\"alpha\": [0]}"), std::string::npos);
    const std::string second = r.out.substr(first.size() + 1);
    // Tabs are removed from line texts; positions refer to the line as read.
    EXPECT_NE(second.find("\"fullLine\": \"gamma alpha\""), std::string::npos);
    EXPECT_NE(second.find("\"hits\": {\"alpha\": [7]}"), std::string::npos);
}

TEST_F(CliTest, NonUtf8NamesBecomeBase64AndOddNamesSurvive) {
    WriteFile(tree / std::string("n\xff.txt"), "alpha");
    WriteFile(tree / "-dash \"q\".txt", "alpha");
    auto r = RunCli(Args({"-q", "alpha", "--format", "json", tree.Path()}));
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("\"fileName\": {\"bytes\": \"bv8udHh0\"}"), std::string::npos);
    EXPECT_NE(r.out.find("\"fileName\": \"-dash \\\"q\\\".txt\""), std::string::npos);

    // A folder whose name starts with a dash, after "--".
    const std::string dashed = tree / "-x";
    WriteFile(dashed + "/c.txt", "alpha");
    r = RunCli(Args({"-q", "alpha", "--format", "tsv", "--", dashed}));
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find(dashed + "/c.txt"), std::string::npos);
}

TEST_F(CliTest, ByNameFilesExcludeAndNoSubfolders) {
    auto r = RunCli(Args({"--by-name", "-f", "*.txt", "--format", "csv", tree.Path()}));
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find(tree / "sub/b.txt"), std::string::npos);
    r = RunCli(Args({"--by-name", "-f", "*.txt", "--no-subfolders", "--format", "csv", tree.Path()}));
    EXPECT_EQ(r.out.find(tree / "sub/b.txt"), std::string::npos);
    r = RunCli(Args({"--by-name", "-f", "*.txt", "--exclude-dir", tree / "sub", tree.Path()}));
    EXPECT_EQ(r.out.find("b.txt"), std::string::npos);
    r = RunCli(Args({"--by-name", "-f", "*.txt", "--set", "IGNDIRECTS=" + (tree / "sub"), tree.Path()}));
    EXPECT_EQ(r.out.find("b.txt"), std::string::npos);
    EXPECT_NE(r.out.find("a.txt"), std::string::npos);
}

TEST_F(CliTest, MaxLinesAndTheEndMessageWithProgress) {
    for (int i = 0; i < 8; ++i) WriteFile(tree / ("m" + std::to_string(i) + ".txt"), "alpha\n");
    const auto r = RunCli(
        {"--home", home.Path(), "--progress", "-q", "alpha", "--max-lines", "5", "--format", "tsv", tree.Path()});
    EXPECT_EQ(r.exitCode, 0);
    size_t lines = 0;
    for (char c : r.out) lines += c == '\n';
    EXPECT_EQ(lines, 1u + 5u);  // header and five records
    EXPECT_NE(r.err.find("Information    Msg no: 0051.: Search stopped !!! \\n\\nThe program reached the user "
                         "defined display limit of:\\n\\n5 line"),
              std::string::npos) << r.err;
}

TEST_F(CliTest, SettingsFilesSaveLoadAndRefuseDamage) {
    const std::string set = home / "no-sub.SET";
    auto r = RunCli(Args({"--set", "SUBFOLDERS=0", "--save-settings", set}));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    r = RunCli(Args({"--settings", set, "-q", "here", tree.Path()}));
    EXPECT_EQ(r.exitCode, 1);  // "here" is only in the subfolder

    WriteFile(home / "bad.SET", "this is not a settings file");
    r = RunCli(Args({"--settings", home / "bad.SET", "-q", "alpha", tree.Path()}));
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("Msg no"), std::string::npos);

    EXPECT_EQ(RunCli(Args({"--set", "NOSUCHKEY=1", "-q", "alpha", tree.Path()})).exitCode, 2);
}

TEST_F(CliTest, ThreadsReachTheSettingsAndLeaveTheOutputAsItIs) {
    for (int i = 0; i < 40; ++i) WriteFile(tree / ("many/f" + std::to_string(i) + ".txt"), "alpha\nbeta alpha\n");
    const auto one = RunCli(Args({"--threads", "1", "--stats", "--format", "tsv", "-q", "alpha", tree.Path()}));
    ASSERT_EQ(one.exitCode, 0) << one.err;
    const auto eight = RunCli(Args({"--threads", "8", "--stats", "--format", "tsv", "-q", "alpha", tree.Path()}));
    EXPECT_EQ(eight.exitCode, 0);
    // The statistics end with the run's own start and end times.
    const auto withoutTimes = [](const std::string& out) { return out.substr(0, out.find("Search started at")); };
    EXPECT_EQ(withoutTimes(eight.out), withoutTimes(one.out));

    const std::string set = home / "threads.SET";
    ASSERT_EQ(RunCli(Args({"--threads", "3", "--save-settings", set})).exitCode, 0);
    const auto described = RunCli(Args({"--settings", set, "--describe"}));
    EXPECT_NE(described.out.find("Threads for reading files"), std::string::npos) << described.out;
    EXPECT_EQ(RunCli(Args({"--threads", "65", "-q", "alpha", tree.Path()})).exitCode, 2);
}

TEST_F(CliTest, UnreadableFolderAsAnUnprivilegedUser) {
    WriteFile(tree / "locked/secret.txt", "alpha");
    WriteFile(tree / "open/visible.txt", "alpha");
    std::filesystem::permissions(tree.Path(), std::filesystem::perms(0755));
    std::filesystem::permissions(tree / "locked", std::filesystem::perms(0700));
    qftest::TempDir nobodyHome;
    std::filesystem::permissions(nobodyHome.Path(), std::filesystem::perms(0777));
    const std::vector<std::string> asNobody = {"setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"};
    const auto r = RunCli({"--home", nobodyHome.Path(), "--no-progress", "-q", "alpha", tree.Path()}, asNobody);
    ASSERT_NE(r.exitCode, -1) << r.err;
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("visible.txt"), std::string::npos);
    EXPECT_EQ(r.out.find("secret.txt"), std::string::npos);
}

}  // namespace
