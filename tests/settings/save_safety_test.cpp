// Saving settings and search terms never harms anything but the file named:
// links are followed to their target, the target keeps its permissions, a
// device or FIFO is refused, and a link planted beside the file is not
// written through.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "settings/default_lists.h"
#include "settings/settings_file.h"
#include "settings/terms_file.h"
#include "support/test_support.h"

namespace {

using qftest::ReadFile;

constexpr size_t kRecord = 5312;

mode_t ModeOf(const std::string& path) {
    struct stat st{};
    EXPECT_EQ(lstat(path.c_str(), &st), 0) << path;
    return st.st_mode;
}

size_t EntriesIn(const std::string& folder) {
    size_t n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++n;
    return n;
}

TEST(SaveSafety, LinkedSettingsFileIsReplacedAtItsTargetWithItsMode) {
    qftest::TempDir dir;
    qf::RecordingMessages messages;
    const std::string target = dir / "real/profile.SET";
    qftest::WriteFile(target, "old");
    ASSERT_EQ(chmod(target.c_str(), 0640), 0);
    const std::string link = dir / "default.SET";
    ASSERT_EQ(symlink("real/profile.SET", link.c_str()), 0);

    ASSERT_TRUE(qf::SaveSettingsFile(qf::Options{}, link, messages));
    EXPECT_TRUE(S_ISLNK(ModeOf(link)));
    EXPECT_EQ(ReadFile(target).size() % kRecord, 0u);
    EXPECT_EQ(ModeOf(target) & 07777, 0640u);
    // Nothing else appears beside the target.
    EXPECT_EQ(EntriesIn(dir / "real"), 1u);

    // The terms file likewise, through a dangling link to a file still to be made.
    const std::string terms = dir / "default.TRMS";
    ASSERT_EQ(symlink("real/terms.TRMS", terms.c_str()), 0);
    ASSERT_TRUE(qf::SaveSearchTermsFile({}, terms, messages));
    EXPECT_TRUE(S_ISLNK(ModeOf(terms)));
    EXPECT_EQ(ReadFile(dir / "real/terms.TRMS").size(), 5 * kRecord);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST(SaveSafety, FifoIsRefusedWithTheSaveFailureMessage) {
    qftest::TempDir dir;
    qf::RecordingMessages messages;
    const std::string fifo = dir / "pipe.SET";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(qf::SaveSettingsFile(qf::Options{}, fifo, messages));
    EXPECT_EQ(messages.Last().caption, "Severe Error!    Msg no: 0069.");
    EXPECT_TRUE(S_ISFIFO(ModeOf(fifo)));
    EXPECT_EQ(EntriesIn(dir.Path()), 1u);
}

TEST(SaveSafety, LinkPlantedAtATemporaryNameIsNeverWrittenThrough) {
    qftest::TempDir dir;
    qf::RecordingMessages messages;
    const std::string victim = dir / "victim.txt";
    qftest::WriteFile(victim, "keep me");
    // The names a careless writer would pick beside the target.
    for (const char* suffix : {".quillfind-part", ".tmp", "~", ".part"})
        ASSERT_EQ(symlink(victim.c_str(), (dir / (std::string("default.SET") + suffix)).c_str()), 0);

    ASSERT_TRUE(qf::SaveSettingsFile(qf::Options{}, dir / "default.SET", messages));
    EXPECT_EQ(ReadFile(victim), "keep me");
    EXPECT_EQ(ReadFile(dir / "default.SET").size() % kRecord, 0u);
}

}  // namespace
