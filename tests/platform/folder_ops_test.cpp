#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/folder_ops.h"
#include "support/test_support.h"

namespace {

TEST(PlatformFolderOps, InsideComparesWholeResolvedComponents) {
    qftest::TempDir root;
    qftest::MakeDirs(root / "a/b");
    qftest::MakeDirs(root / "a/bc");
    EXPECT_TRUE(qf::IsInsideFolder(root / "a/b", root / "a/b"));
    EXPECT_FALSE(qf::IsInsideFolder(root / "a/bc", root / "a/b"));
    EXPECT_TRUE(qf::IsInsideFolder(root / "a/bc/../b/not-yet", root / "a/b/"));
    EXPECT_TRUE(qf::IsInsideFolder(root / "a", "/"));
    ASSERT_EQ(symlink((root / "a/b").c_str(), (root / "link").c_str()), 0);
    EXPECT_TRUE(qf::IsInsideFolder(root / "link/x", root / "a/b"));
}

TEST(PlatformFolderOps, CreateRemoveAndFreeSpace) {
    qftest::TempDir dir;
    EXPECT_TRUE(qf::CreateFolders(dir / "x//y/z/"));
    EXPECT_TRUE(qf::CreateFolders(dir / "x/y/z"));  // already there
    qftest::WriteFile(dir / "blocker", "x");
    EXPECT_FALSE(qf::CreateFolders(dir / "blocker/sub"));

    qftest::WriteFile(dir / "x/y/z/f.txt", "x");
    ASSERT_TRUE(qf::RemoveFolderContent(dir / "x"));
    EXPECT_TRUE(qftest::Exists(dir / "x"));
    EXPECT_FALSE(qftest::Exists(dir / "x/y"));

    const auto free = qf::FreeDiskSpace(dir.Path());
    ASSERT_TRUE(free.has_value());
    EXPECT_GT(*free, 0u);
    EXPECT_FALSE(qf::FreeDiskSpace(dir / "missing").has_value());
}

}  // namespace
