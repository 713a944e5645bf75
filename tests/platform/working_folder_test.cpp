// Working folders: only a folder Quillfind made or adopted for this home is
// ever emptied, and emptying stays inside it.

#include "platform/working_folder.h"

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/test_support.h"

namespace {

using qf::EmptyFolderResult;
using qftest::Exists;
using qftest::ReadFile;

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

TEST(PlatformWorkingFolder, FolderWithFilesAndNoValidMarkerIsRefusedWhereverItLies) {
    Layout l;
    // A user's own Temp inside a folder chosen as home.
    qftest::WriteFile(l.home + "/Temp/deep/thesis.doc", "precious");
    EXPECT_EQ(qf::EmptyWorkingFolder(l.home + "/Temp", l.home), EmptyFolderResult::Refused);
    EXPECT_EQ(ReadFile(l.home + "/Temp/deep/thesis.doc"), "precious");
    EXPECT_FALSE(Exists(Marker(l.home + "/Temp")));

    // The home itself holds the settings.
    qftest::WriteFile(l.home + "/default.SET", "settings");
    EXPECT_EQ(qf::EmptyWorkingFolder(l.home, l.home), EmptyFolderResult::Refused);

    // A marker must be a file, not a folder of that name.
    qftest::MakeDirs(Marker(l.elsewhere + "/work"));
    qftest::WriteFile(l.elsewhere + "/work/data.txt", "x");
    EXPECT_EQ(qf::EmptyWorkingFolder(l.elsewhere + "/work", l.home), EmptyFolderResult::Refused);
    EXPECT_TRUE(Exists(l.elsewhere + "/work/data.txt"));
}

TEST(PlatformWorkingFolder, MarkerCopiedIntoAnotherFolderOrHomeMakesNothingDisposable) {
    Layout l;
    const std::string work = l.elsewhere + "/work";
    ASSERT_EQ(qf::EmptyWorkingFolder(work, l.home), EmptyFolderResult::Created);
    const std::string marker = ReadFile(Marker(work));

    const std::string mine = l.elsewhere + "/mine";
    qftest::WriteFile(mine + "/cv.doc", "mine");
    qftest::WriteFile(Marker(mine), marker);
    EXPECT_EQ(qf::EmptyWorkingFolder(mine, l.home), EmptyFolderResult::Refused);
    EXPECT_EQ(ReadFile(mine + "/cv.doc"), "mine");

    // The folder is Quillfind's for this home only.
    qftest::WriteFile(work + "/result.txt", "x");
    const std::string otherHome = l.root / "other-home";
    qftest::MakeDirs(otherHome);
    EXPECT_EQ(qf::EmptyWorkingFolder(work, otherHome), EmptyFolderResult::Refused);
    EXPECT_TRUE(Exists(work + "/result.txt"));
    EXPECT_EQ(qf::EmptyWorkingFolder(work, l.home), EmptyFolderResult::Emptied);
    EXPECT_FALSE(Exists(work + "/result.txt"));
    EXPECT_EQ(ReadFile(Marker(work)), marker);
}

TEST(PlatformWorkingFolder, AdoptsEmptyAndCreatesMissing) {
    Layout l;
    const std::string empty = l.elsewhere + "/empty";
    qftest::MakeDirs(empty);
    EXPECT_EQ(qf::EmptyWorkingFolder(empty, l.home), EmptyFolderResult::Emptied);
    // Adopted: what a later search leaves there may be removed.
    qftest::WriteFile(empty + "/result.txt", "x");
    EXPECT_EQ(qf::EmptyWorkingFolder(empty, l.home), EmptyFolderResult::Emptied);
    EXPECT_FALSE(Exists(empty + "/result.txt"));

    // A marker alone, left by an older version, is replaced.
    const std::string stale = l.elsewhere + "/stale";
    qftest::WriteFile(Marker(stale), "Quillfind uses this folder for its working files.\r\n");
    EXPECT_EQ(qf::EmptyWorkingFolder(stale, l.home), EmptyFolderResult::Emptied);
    qftest::WriteFile(stale + "/result.txt", "x");
    EXPECT_EQ(qf::EmptyWorkingFolder(stale, l.home), EmptyFolderResult::Emptied);
    EXPECT_FALSE(Exists(stale + "/result.txt"));

    const std::string fresh = l.elsewhere + "/new/deep/work";
    EXPECT_EQ(qf::EmptyWorkingFolder(fresh, l.home), EmptyFolderResult::Created);
    EXPECT_TRUE(Exists(Marker(fresh)));

    qftest::WriteFile(l.elsewhere + "/plainfile", "x");
    EXPECT_EQ(qf::EmptyWorkingFolder(l.elsewhere + "/plainfile", l.home), EmptyFolderResult::Failed);
}

TEST(PlatformWorkingFolder, LinksInsideAreRemovedNotFollowed) {
    Layout l;
    qftest::WriteFile(l.elsewhere + "/keep/important.txt", "keep me");
    const std::string temp = l.home + "/Temp";
    ASSERT_EQ(qf::EmptyWorkingFolder(temp, l.home), EmptyFolderResult::Created);
    qftest::WriteFile(temp + "/sub/x.txt", "x");
    ASSERT_EQ(symlink((l.elsewhere + "/keep").c_str(), (temp + "/to-folder").c_str()), 0);
    ASSERT_EQ(symlink((l.elsewhere + "/keep/important.txt").c_str(), (temp + "/to-file").c_str()), 0);
    ASSERT_EQ(symlink((l.elsewhere + "/keep").c_str(), (temp + "/sub/deeper-link").c_str()), 0);

    EXPECT_EQ(qf::EmptyWorkingFolder(temp, l.home), EmptyFolderResult::Emptied);
    EXPECT_FALSE(Exists(temp + "/to-folder"));
    EXPECT_FALSE(Exists(temp + "/to-file"));
    EXPECT_FALSE(Exists(temp + "/sub"));
    EXPECT_EQ(ReadFile(l.elsewhere + "/keep/important.txt"), "keep me");
}

TEST(PlatformWorkingFolder, SubfoldersWithoutPermissionsAreStillRemoved) {
    // Archives may unpack folders without write or even read permission.
    Layout l;
    const std::string temp = l.home + "/Temp";
    ASSERT_EQ(qf::EmptyWorkingFolder(temp, l.home), EmptyFolderResult::Created);
    qftest::WriteFile(temp + "/ro/file.txt", "x");
    qftest::WriteFile(temp + "/closed/inner/file.txt", "x");
    ASSERT_EQ(chmod((temp + "/ro").c_str(), 0500), 0);
    ASSERT_EQ(chmod((temp + "/closed/inner").c_str(), 0), 0);
    ASSERT_EQ(chmod((temp + "/closed").c_str(), 0), 0);
    EXPECT_EQ(qf::EmptyWorkingFolder(temp, l.home), EmptyFolderResult::Emptied);
    EXPECT_FALSE(Exists(temp + "/ro"));
    EXPECT_FALSE(Exists(temp + "/closed"));
}

// Undoes a bind mount at the end of a scope.
class BindMount {
public:
    BindMount(const std::string& source, const std::string& target) : target_(target) {
        mounted_ = mount(source.c_str(), target.c_str(), nullptr, MS_BIND, nullptr) == 0;
    }
    ~BindMount() {
        if (mounted_) umount2(target_.c_str(), MNT_DETACH);
    }
    BindMount(const BindMount&) = delete;
    BindMount& operator=(const BindMount&) = delete;
    bool Mounted() const { return mounted_; }

private:
    std::string target_;
    bool mounted_ = false;
};

TEST(PlatformWorkingFolder, BindMountBelowIsNeverEmptied) {
    if (geteuid() != 0) GTEST_SKIP() << "bind mounts need root";
    Layout l;
    const std::string temp = l.home + "/Temp";
    ASSERT_EQ(qf::EmptyWorkingFolder(temp, l.home), EmptyFolderResult::Created);
    qftest::WriteFile(l.elsewhere + "/photos/2019/beach.jpg", "precious");
    qftest::WriteFile(l.elsewhere + "/single.txt", "precious too");
    qftest::MakeDirs(temp + "/ZIPFILES/mounted");
    qftest::WriteFile(temp + "/ZIPFILES/file-mount", "");
    qftest::WriteFile(temp + "/leftover.txt", "x");
    BindMount folder(l.elsewhere + "/photos", temp + "/ZIPFILES/mounted");
    BindMount file(l.elsewhere + "/single.txt", temp + "/ZIPFILES/file-mount");
    if (!folder.Mounted() || !file.Mounted()) GTEST_SKIP() << "this system refuses bind mounts";

    EXPECT_EQ(qf::EmptyWorkingFolder(temp, l.home), EmptyFolderResult::Failed);
    EXPECT_EQ(ReadFile(l.elsewhere + "/photos/2019/beach.jpg"), "precious");
    EXPECT_EQ(ReadFile(l.elsewhere + "/single.txt"), "precious too");
    EXPECT_FALSE(Exists(temp + "/leftover.txt"));
}

}  // namespace
