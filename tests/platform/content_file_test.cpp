#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/content_file.h"
#include "support/test_support.h"

namespace {

std::string ReadAll(const std::string& path, qf::ReadFolder& folders, int* error = nullptr) {
    errno = 0;
    qf::ContentFile file = qf::ContentFile::Open(path, qf::kMaxContentBytes, nullptr, &folders);
    if (error) *error = errno;
    if (!file.IsOpen()) return "<closed>";
    std::string text(64, '\0');
    text.resize(file.Read(text.data(), text.size()));
    return text;
}

// One reader goes from folder to folder; each file must come from its own
// folder, whatever folder was kept open before it.
TEST(PlatformContentFile, FilesOpenedInTheKeptFolderAreTheirOwn) {
    qftest::TempDir root;
    qftest::MakeDirs(root / "a/b");
    qftest::MakeDirs(root / "a/bc");
    qftest::WriteFile(root / "a/b/f.txt", "in b");
    qftest::WriteFile(root / "a/bc/f.txt", "in bc");
    qftest::WriteFile(root / "a/b/g.txt", "g in b");
    ASSERT_EQ(symlink((root / "a/bc").c_str(), (root / "via").c_str()), 0);
    ASSERT_EQ(symlink((root / "a/b/g.txt").c_str(), (root / "a/bc/link.txt").c_str()), 0);

    qf::ReadFolder folders;
    EXPECT_EQ(ReadAll(root / "a/b/f.txt", folders), "in b");
    EXPECT_EQ(ReadAll(root / "a/b/g.txt", folders), "g in b");
    EXPECT_EQ(ReadAll(root / "a/bc/f.txt", folders), "in bc");
    EXPECT_EQ(ReadAll(root / "a/b/f.txt", folders), "in b");
    EXPECT_EQ(ReadAll(root / "via/f.txt", folders), "in bc");       // a link on the way is followed
    EXPECT_EQ(ReadAll(root / "a/bc/link.txt", folders), "g in b");  // and a link at the end, to a file

    int error = 0;
    EXPECT_EQ(ReadAll(root / "a/bc/missing.txt", folders, &error), "<closed>");
    EXPECT_EQ(error, ENOENT);
    EXPECT_EQ(ReadAll(root / "gone/f.txt", folders, &error), "<closed>");
    EXPECT_EQ(error, ENOENT);
    EXPECT_EQ(ReadAll(root / "a/b", folders, &error), "<closed>");  // no regular file
    EXPECT_EQ(error, 0);
}

}  // namespace
