#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/folder_ops.h"
#include "support/test_support.h"

namespace {

using qf::EmptyFolderResult;

std::string Marker(const std::string& folder) { return folder + "/" + qf::kWorkingFolderMarker; }

// A home and an unrelated place beside it.
struct Layout {
    qftest::TempDir root;
    std::string home = root / "home";
    std::string elsewhere = root / "elsewhere";
    Layout() {
        qftest::MakeDirs(home);
        qftest::MakeDirs(elsewhere);
    }
};

TEST(PlatformWorkingFolder, RefusesFoldersItMayNotEmpty) {
    Layout l;
    qftest::WriteFile(l.elsewhere + "/Temp/deep/thesis.doc", "precious");
    EXPECT_EQ(qf::EmptyWorkingFolder(l.elsewhere + "/Temp", l.home), EmptyFolderResult::Refused);
    EXPECT_EQ(qftest::ReadFile(l.elsewhere + "/Temp/deep/thesis.doc"), "precious");
    EXPECT_FALSE(qftest::Exists(Marker(l.elsewhere + "/Temp")));

    // The home itself holds the settings.
    qftest::WriteFile(l.home + "/default.SET", "settings");
    EXPECT_EQ(qf::EmptyWorkingFolder(l.home, l.home), EmptyFolderResult::Refused);
    EXPECT_TRUE(qftest::Exists(l.home + "/default.SET"));

    // A marker must be a file, not a folder of that name.
    qftest::MakeDirs(Marker(l.elsewhere + "/work"));
    qftest::WriteFile(l.elsewhere + "/work/data.txt", "x");
    EXPECT_EQ(qf::EmptyWorkingFolder(l.elsewhere + "/work", l.home), EmptyFolderResult::Refused);
    EXPECT_TRUE(qftest::Exists(l.elsewhere + "/work/data.txt"));

    // home/Temp linked to an outside folder resolves outside the home.
    qftest::WriteFile(l.elsewhere + "/docs/cv.doc", "mine");
    ASSERT_EQ(symlink((l.elsewhere + "/docs").c_str(), (l.home + "/Temp").c_str()), 0);
    EXPECT_EQ(qf::EmptyWorkingFolder(l.home + "/Temp", l.home), EmptyFolderResult::Refused);
    EXPECT_TRUE(qftest::Exists(l.elsewhere + "/docs/cv.doc"));
}

TEST(PlatformWorkingFolder, EmptiesFolderInsideHomeOrMarked) {
    Layout l;
    qftest::WriteFile(l.home + "/Temp/a/b/c.txt", "x");
    qftest::WriteFile(l.home + "/Temp/top.txt", "x");
    EXPECT_EQ(qf::EmptyWorkingFolder(l.home + "/Temp", l.home), EmptyFolderResult::Emptied);
    EXPECT_FALSE(qftest::Exists(l.home + "/Temp/a"));
    EXPECT_FALSE(qftest::Exists(l.home + "/Temp/top.txt"));
    EXPECT_TRUE(qftest::Exists(Marker(l.home + "/Temp")));

    const std::string work = l.elsewhere + "/work";
    qftest::WriteFile(Marker(work), "");
    qftest::WriteFile(work + "/sub/old.txt", "x");
    EXPECT_EQ(qf::EmptyWorkingFolder(work, l.home), EmptyFolderResult::Emptied);
    EXPECT_FALSE(qftest::Exists(work + "/sub"));
    EXPECT_TRUE(qftest::Exists(Marker(work)));
}

TEST(PlatformWorkingFolder, LinksInsideAreRemovedNotFollowed) {
    Layout l;
    qftest::WriteFile(l.elsewhere + "/keep/important.txt", "keep me");
    const std::string temp = l.home + "/Temp";
    qftest::WriteFile(temp + "/sub/x.txt", "x");
    ASSERT_EQ(symlink((l.elsewhere + "/keep").c_str(), (temp + "/to-folder").c_str()), 0);
    ASSERT_EQ(symlink((l.elsewhere + "/keep/important.txt").c_str(), (temp + "/to-file").c_str()), 0);
    ASSERT_EQ(symlink((l.elsewhere + "/keep").c_str(), (temp + "/sub/deeper-link").c_str()), 0);

    EXPECT_EQ(qf::EmptyWorkingFolder(temp, l.home), EmptyFolderResult::Emptied);
    EXPECT_FALSE(qftest::Exists(temp + "/to-folder"));
    EXPECT_FALSE(qftest::Exists(temp + "/to-file"));
    EXPECT_FALSE(qftest::Exists(temp + "/sub"));
    EXPECT_EQ(qftest::ReadFile(l.elsewhere + "/keep/important.txt"), "keep me");
}

TEST(PlatformWorkingFolder, AdoptsEmptyAndCreatesMissing) {
    Layout l;
    const std::string empty = l.elsewhere + "/empty";
    qftest::MakeDirs(empty);
    EXPECT_EQ(qf::EmptyWorkingFolder(empty, l.home), EmptyFolderResult::Emptied);
    // Adopted: what a later search leaves there may be removed.
    qftest::WriteFile(empty + "/result.txt", "x");
    EXPECT_EQ(qf::EmptyWorkingFolder(empty, l.home), EmptyFolderResult::Emptied);
    EXPECT_FALSE(qftest::Exists(empty + "/result.txt"));

    const std::string fresh = l.elsewhere + "/new/deep/work";
    EXPECT_EQ(qf::EmptyWorkingFolder(fresh, l.home), EmptyFolderResult::Created);
    EXPECT_TRUE(qftest::Exists(Marker(fresh)));

    qftest::WriteFile(l.elsewhere + "/plainfile", "x");
    EXPECT_EQ(qf::EmptyWorkingFolder(l.elsewhere + "/plainfile", l.home), EmptyFolderResult::Failed);
}

TEST(PlatformWorkingFolder, SubfoldersWithoutPermissionsAreStillRemoved) {
    // Archives may unpack folders without write or even read permission.
    Layout l;
    const std::string temp = l.home + "/Temp";
    qftest::WriteFile(temp + "/ro/file.txt", "x");
    qftest::WriteFile(temp + "/closed/inner/file.txt", "x");
    ASSERT_EQ(chmod((temp + "/ro").c_str(), 0500), 0);
    ASSERT_EQ(chmod((temp + "/closed/inner").c_str(), 0), 0);
    ASSERT_EQ(chmod((temp + "/closed").c_str(), 0), 0);
    EXPECT_EQ(qf::EmptyWorkingFolder(temp, l.home), EmptyFolderResult::Emptied);
    EXPECT_FALSE(qftest::Exists(temp + "/ro"));
    EXPECT_FALSE(qftest::Exists(temp + "/closed"));
}

TEST(PlatformFolderOps, InsideComparesWholeResolvedComponents) {
    Layout l;
    qftest::MakeDirs(l.root / "a/b");
    qftest::MakeDirs(l.root / "a/bc");
    EXPECT_TRUE(qf::IsInsideFolder(l.root / "a/b", l.root / "a/b"));
    EXPECT_FALSE(qf::IsInsideFolder(l.root / "a/bc", l.root / "a/b"));
    EXPECT_TRUE(qf::IsInsideFolder(l.root / "a/bc/../b/not-yet", l.root / "a/b/"));
    EXPECT_TRUE(qf::IsInsideFolder(l.root / "a", "/"));
    ASSERT_EQ(symlink((l.root / "a/b").c_str(), (l.root / "link").c_str()), 0);
    EXPECT_TRUE(qf::IsInsideFolder(l.root / "link/x", l.root / "a/b"));
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
