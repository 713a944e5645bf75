#include <gtest/gtest.h>

#include "platform/file_info.h"
#include "platform/user_messages.h"
#include "results/open_result.h"
#include "results_fixture.h"
#include "support/test_support.h"

namespace {

class ScriptedOpener : public qf::DesktopOpener {
public:
    explicit ScriptedOpener(std::vector<int> answers) : answers_(std::move(answers)) {}
    int Execute(std::string_view verb, const std::string&) override {
        verbs.emplace_back(verb);
        return answers_[verbs.size() - 1];
    }
    std::vector<std::string> verbs;

private:
    std::vector<int> answers_;
};

TEST(OpenResult, TheLastFailureChoosesTheMessage) {
    qf::Options options;
    qf::RecordingMessages messages;
    ScriptedOpener noApp({31, 31, 31});
    EXPECT_FALSE(qf::OpenResult("/f.txt", options, noApp, messages));
    EXPECT_EQ(noApp.verbs, (std::vector<std::string>{"play", "open", "edit"}));
    EXPECT_EQ(messages.Last().caption, "ShellExecute Warnings !    Msg no: 193.");
    EXPECT_EQ(messages.Last().icon, qf::MsgIcon::Information);
    EXPECT_EQ(messages.Last().text, qf::OpenFailureText(31));

    ScriptedOpener gone({31, 31, 2});
    qf::OpenResult("/f.txt", options, gone, messages);
    EXPECT_EQ(messages.Last().text,
              "The specified file was not found.\nAction : Check if the file still exist, or \n         it is a good "
              "path.");
    EXPECT_EQ(qf::OpenFailureText(99), "Unknown error.");
}

TEST(OpenResult, ProcessOpenerMapsVerbsToPrograms) {
    qftest::TempDir dir;
    const std::string file = dir / "my file.txt";
    qftest::WriteFile(file, "x");
    std::vector<std::vector<std::string>> runs;
    int exitCode = 0;
    auto runner = [&](const qf::ProcessRequest& r) {
        runs.push_back(r.argv);
        return exitCode;
    };

    qf::ProcessDesktopOpener opener(runner, qf::ProcessDesktopOpener::SplitCommand("  ed  -w "));
    EXPECT_EQ(opener.Execute("play", file), qf::kOpenNoAssociation);
    EXPECT_TRUE(runs.empty());
    EXPECT_GT(opener.Execute("open", file), 32);
    EXPECT_GT(opener.Execute("edit", file), 32);
    EXPECT_EQ(runs, (std::vector<std::vector<std::string>>{{"xdg-open", file}, {"ed", "-w", file}}));

    exitCode = 3;  // xdg-open knows no tool for it
    EXPECT_EQ(opener.Execute("open", file), qf::kOpenNoAssociation);
    exitCode = -1;  // the program is not there
    EXPECT_EQ(opener.Execute("open", file), qf::kOpenNoAssociation);
    EXPECT_EQ(opener.Execute("open", dir / "missing.txt"), qf::kOpenFileNotFound);

    qf::ProcessDesktopOpener noEditor(runner, {});
    EXPECT_EQ(noEditor.Execute("edit", file), qf::kOpenNoAssociation);
}

TEST(OpenResult, RestoresTheFileTimesWhenAsked) {
    qftest::TempDir dir;
    const std::string file = dir / "f.txt";
    qftest::WriteFile(file, "x");
    const qf::FILETIME old = qftest::LocalTime(2001, 5, 5, 10, 0);
    ASSERT_TRUE(qf::RestoreFileTimes(file, old, old));

    class TouchingOpener : public qf::DesktopOpener {
    public:
        int Execute(std::string_view, const std::string& path) override {
            qftest::WriteFile(path, "changed by the application");
            return qf::kOpenSucceeded;
        }
    } opener;
    qf::Options options;
    options.SetInt(qf::Opt::RESTORETIM, 1);
    qf::RecordingMessages messages;
    ASSERT_TRUE(qf::OpenResult(file, options, opener, messages));
    qf::WIN32_FIND_DATAA after;
    ASSERT_TRUE(qf::GetFindData(file, after));
    EXPECT_EQ(after.ftLastWriteTime, old);
}

}  // namespace
