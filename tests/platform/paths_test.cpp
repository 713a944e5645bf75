#include <gtest/gtest.h>

#include "platform/paths.h"

namespace {

TEST(PlatformPaths, JoinAndTrimNeverDoubleTheSeparatorAndKeepTheRoot) {
    EXPECT_EQ(qf::JoinPath("/a/b//", "/c.txt"), "/a/b/c.txt");
    EXPECT_EQ(qf::JoinPath("/", "etc"), "/etc");
    EXPECT_EQ(qf::JoinPath("/", ""), "/");
    EXPECT_EQ(qf::TrimTrailingSeparators("///"), "/");
    EXPECT_EQ(qf::TrimTrailingSeparators("/a/b//"), "/a/b");
}

TEST(PlatformPaths, BaseAndParent) {
    EXPECT_EQ(qf::BaseName("/a/b/"), "b");
    EXPECT_EQ(qf::BaseName("/"), "");
    EXPECT_EQ(qf::BaseName("/x/a\\b"), "a\\b");  // a backslash is a name character here
    EXPECT_EQ(qf::ParentPath("/a//b"), "/a");
    EXPECT_EQ(qf::ParentPath("/top"), "/");
    EXPECT_EQ(qf::ParentPath("/"), "/");
}

}  // namespace
