#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/app_home.h"
#include "support/test_support.h"

namespace {

// Sets the variables the home depends on and restores them afterwards.
class PlatformAppHome : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : kNames) {
            const char* value = std::getenv(name);
            saved_.push_back(value ? std::optional<std::string>(value) : std::nullopt);
            unsetenv(name);
        }
    }
    void TearDown() override {
        for (size_t i = 0; i < std::size(kNames); ++i) saved_[i] ? setenv(kNames[i], saved_[i]->c_str(), 1) : unsetenv(kNames[i]);
    }
    static constexpr const char* kNames[] = {"QUILLFIND_HOME", "XDG_DATA_HOME", "HOME"};

private:
    std::vector<std::optional<std::string>> saved_;
};

TEST_F(PlatformAppHome, PrecedenceOverrideThenVariables) {
    setenv("HOME", "/home/ann", 1);
    EXPECT_EQ(qf::ResolveAppHome(), "/home/ann/.local/share/quillfind");
    setenv("XDG_DATA_HOME", "/data/ann/", 1);
    EXPECT_EQ(qf::ResolveAppHome(), "/data/ann/quillfind");
    setenv("QUILLFIND_HOME", "/opt/qf/", 1);
    EXPECT_EQ(qf::ResolveAppHome(), "/opt/qf");
    EXPECT_EQ(qf::ResolveAppHome("/given//place/"), "/given/place");
}

TEST_F(PlatformAppHome, EmptyOrRelativeVariablesAreHandled) {
    setenv("HOME", "/home/bob", 1);
    setenv("QUILLFIND_HOME", "", 1);
    setenv("XDG_DATA_HOME", "relative/data", 1);  // not valid for XDG: ignored
    EXPECT_EQ(qf::ResolveAppHome(), "/home/bob/.local/share/quillfind");

    char cwd[4096];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    setenv("QUILLFIND_HOME", "./rel/home", 1);
    EXPECT_EQ(qf::ResolveAppHome(), std::string(cwd) + "/rel/home");
}

TEST_F(PlatformAppHome, PrepareCreatesTheFolder) {
    qftest::TempDir dir;
    setenv("QUILLFIND_HOME", (dir / "a/b/home").c_str(), 1);
    std::string home;
    ASSERT_TRUE(qf::PrepareAppHome(home));
    EXPECT_EQ(home, dir / "a/b/home");
    EXPECT_TRUE(qftest::Exists(home));

    qftest::WriteFile(dir / "file", "x");
    EXPECT_FALSE(qf::PrepareAppHome(home, dir / "file/home"));
}

}  // namespace
