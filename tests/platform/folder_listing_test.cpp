#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "platform/file_info.h"
#include "platform/file_time.h"
#include "platform/folder_listing.h"
#include "support/test_support.h"

namespace {

std::vector<std::string> Names(const std::vector<qf::FolderEntry>& entries) {
    std::vector<std::string> names;
    for (const auto& e : entries) names.push_back(e.data.cFileName);
    return names;
}

TEST(PlatformFolderListing, SortsWithoutCaseTiesByBytes) {
    qftest::TempDir dir;
    for (const char* name : {"b.txt", "a.txt", "A.txt", "C", "_under"}) qftest::WriteFile(dir / name, "x");
    qftest::MakeDirs(dir / "Sub");
    std::vector<qf::FolderEntry> entries;
    ASSERT_TRUE(qf::ListFolder(dir.Path(), entries));
    // '_' sorts before letters because letters compare in lower case.
    EXPECT_EQ(Names(entries), (std::vector<std::string>{"_under", "A.txt", "a.txt", "b.txt", "C", "Sub"}));
}

// Many names that share their first letters, are prefixes of each other or
// differ only in case or in bytes above ASCII: the listing is in the order
// the rule gives, and each entry keeps its own details.
TEST(PlatformFolderListing, LongSharedPrefixesSortAsTheRuleSays) {
    qftest::TempDir dir;
    std::mt19937 random(11);
    const std::string pieces[] = {"a", "A", "b", "_", ".", "\xC3\xA9", "report", "Report2", "9"};
    std::set<std::string> names;
    while (names.size() < 150) {
        std::string name;
        for (size_t n = 1 + random() % 5; n > 0; --n) name += pieces[random() % std::size(pieces)];
        if (name != "." && name != "..") names.insert(name);
    }
    for (const std::string& name : names) {
        if (name.size() % 3 == 0)
            qftest::MakeDirs(dir / name);
        else
            qftest::WriteFile(dir / name, "x");
    }
    std::vector<std::string> expected(names.begin(), names.end());
    // Letters compare in lower case, bytes as unsigned; a prefix comes first;
    // names equal but for case go by their bytes.
    const auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
    std::sort(expected.begin(), expected.end(), [&](const std::string& a, const std::string& b) {
        const auto less = [&](unsigned char x, unsigned char y) { return lower(x) < lower(y); };
        const auto ua = reinterpret_cast<const unsigned char*>(a.data());
        const auto ub = reinterpret_cast<const unsigned char*>(b.data());
        if (std::lexicographical_compare(ua, ua + a.size(), ub, ub + b.size(), less)) return true;
        if (std::lexicographical_compare(ub, ub + b.size(), ua, ua + a.size(), less)) return false;
        return a < b;
    });
    std::vector<qf::FolderEntry> entries;
    ASSERT_TRUE(qf::ListFolder(dir.Path(), entries));
    EXPECT_EQ(Names(entries), expected);
    for (const qf::FolderEntry& e : entries) EXPECT_EQ(e.data.IsFolder(), e.data.cFileName.size() % 3 == 0) << e.data.cFileName;
}

TEST(PlatformFolderListing, FollowsLinksAndSkipsSpecialEntries) {
    qftest::TempDir dir;
    qftest::WriteFile(dir / "real/file.txt", "12345");
    ASSERT_EQ(mkfifo((dir / "pipe").c_str(), 0600), 0);
    ASSERT_EQ(symlink("missing-target", (dir / "dangling").c_str()), 0);
    ASSERT_EQ(symlink((dir / "real").c_str(), (dir / "linkdir").c_str()), 0);
    ASSERT_EQ(symlink((dir / "real/file.txt").c_str(), (dir / "linkfile").c_str()), 0);

    std::vector<qf::FolderEntry> entries;
    ASSERT_TRUE(qf::ListFolder(dir.Path(), entries));
    ASSERT_EQ(Names(entries), (std::vector<std::string>{"linkdir", "linkfile", "real"}));
    EXPECT_TRUE(entries[0].data.IsFolder());
    EXPECT_TRUE(entries[0].enterable);
    EXPECT_EQ(entries[0].data.nFileSize, 0u);
    // A link has the identity of its target, and so has the folder opened
    // through it: this is what stops a walk from looping.
    qf::FolderId realId;
    ASSERT_TRUE(qf::GetFolderId(dir / "real", realId));
    EXPECT_EQ(entries[0].id, realId);
    EXPECT_EQ(qf::FolderHandle(dir / "linkdir").Id(), realId);
    EXPECT_EQ(qf::FolderHandle(dir / "real").Id(), realId);
    EXPECT_TRUE(entries[2].data.IsFolder());
    EXPECT_TRUE(entries[2].enterable);
    EXPECT_FALSE(entries[1].data.IsFolder());
    EXPECT_EQ(entries[1].data.nFileSize, 5u);
}

TEST(PlatformFolderListing, FolderWithoutSearchPermissionIsNotEnterable) {
    if (geteuid() == 0) GTEST_SKIP() << "root may enter any folder";
    qftest::TempDir dir;
    qftest::MakeDirs(dir / "closed");
    ASSERT_EQ(chmod((dir / "closed").c_str(), 0600), 0);
    std::vector<qf::FolderEntry> entries;
    ASSERT_TRUE(qf::ListFolder(dir.Path(), entries));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_TRUE(entries[0].data.IsFolder());
    EXPECT_FALSE(entries[0].enterable);
    EXPECT_FALSE(qf::IsEnterableFolder(dir / "closed"));
    // Opened ahead for the walk, it opens, but may still not be entered.
    qf::FolderHandle handle(dir.Path());
    ASSERT_TRUE(handle.List(entries, nullptr, true));
    EXPECT_FALSE(entries[0].enterable);
    EXPECT_EQ(entries[0].openedAhead, nullptr);
}

// A folder with many subfolders has them tried side by side: each answer
// must reach its own entry, wherever the entry is sorted to.
TEST(PlatformFolderListing, ManySubfoldersTriedSideBySideKeepTheirOwnAnswers) {
    qftest::TempDir dir;
    const bool root = geteuid() == 0;
    for (int i = 0; i < 300; ++i) {
        const std::string number = std::to_string(1000 + i);
        qftest::MakeDirs(dir / ("d" + number));
        qftest::WriteFile(dir / ("f" + number), "x");
        if (i % 7 == 0) {
            ASSERT_EQ(chmod((dir / ("d" + number)).c_str(), 0600), 0);
        }
    }
    qf::FolderHandle handle(dir.Path());
    std::vector<qf::FolderEntry> entries;
    ASSERT_TRUE(handle.List(entries, nullptr, true, 2));
    ASSERT_EQ(entries.size(), 600u);
    size_t openedAhead = 0;
    for (const qf::FolderEntry& e : entries) {
        const std::string& name = e.data.cFileName;
        const bool folder = name[0] == 'd';
        const bool closed = folder && !root && (std::stoi(name.substr(1)) - 1000) % 7 == 0;
        EXPECT_EQ(e.data.IsFolder(), folder) << name;
        EXPECT_EQ(e.enterable, folder && !closed) << name;
        if (e.openedAhead) {
            EXPECT_TRUE(folder && !closed) << name;
            ++openedAhead;
        }
    }
    EXPECT_GT(openedAhead, 0u);
}

TEST(PlatformFolderListing, MissingOrNonFolderPathFails) {
    qftest::TempDir dir;
    qftest::WriteFile(dir / "file", "x");
    std::vector<qf::FolderEntry> entries{qf::FolderEntry{}};
    EXPECT_FALSE(qf::ListFolder(dir / "nope", entries));
    EXPECT_TRUE(entries.empty());
    EXPECT_FALSE(qf::ListFolder(dir / "file", entries));
    qf::FolderId id;
    EXPECT_FALSE(qf::GetFolderId(dir / "file", id));
    EXPECT_FALSE(qf::IsEnterableFolder(dir / "file"));
    EXPECT_TRUE(qf::IsRegularFile(dir / "file"));
    EXPECT_FALSE(qf::IsRegularFile(dir.Path()));
}

TEST(PlatformFileInfo, RestoredTimesReadBackExactly) {
    qftest::TempDir dir;
    const std::string file = dir / "kept.txt";
    qftest::WriteFile(file, "content");
    // One time before 1970 to take the negative-seconds path.
    const qf::FILETIME access = qf::FileTimeFromUnix(-31'536'000, 123'456'700);
    const qf::FILETIME write = qf::FileTimeFromUnix(946'684'800, 500'000'000);
    ASSERT_TRUE(qf::RestoreFileTimes(file, access, write));

    qf::WIN32_FIND_DATAA data;
    ASSERT_TRUE(qf::GetFindData(file, data));
    EXPECT_EQ(data.cFileName, "kept.txt");
    EXPECT_EQ(data.ftLastAccessTime, access);
    EXPECT_EQ(data.ftLastWriteTime, write);
    EXPECT_LE(data.ftCreationTime.Value(), qf::FileTimeFromUnix(time(nullptr) + 1).Value());
    EXPECT_FALSE(qf::RestoreFileTimes(dir / "absent", access, write));
}

}  // namespace

TEST(PlatformFolderListing, FileDetailsAreLoadedOnDemandAndVanishedFilesFail) {
    qftest::TempDir dir;
    qftest::WriteFile(dir / "a.txt", "12345");
    qftest::WriteFile(dir / "gone.txt", "x");
    std::vector<qf::FolderEntry> entries;
    ASSERT_TRUE(qf::ListFolder(dir.Path(), entries));
    ASSERT_EQ(entries.size(), 2u);
    ASSERT_TRUE(qf::LoadEntryDetails(dir.Path(), entries[0]));
    EXPECT_TRUE(entries[0].detailed);
    EXPECT_EQ(entries[0].data.nFileSize, 5u);
    EXPECT_NE(entries[0].data.ftLastWriteTime.Value(), 0u);

    std::remove((dir / "gone.txt").c_str());
    EXPECT_FALSE(qf::LoadEntryDetails(dir.Path(), entries[1]));
}
