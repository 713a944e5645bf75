#include <gtest/gtest.h>

#include "settings/terms_file.h"
#include "support/test_support.h"

namespace {

constexpr size_t kRecord = 5312;

int32_t IdAt(const std::string& file, size_t record) {
    uint32_t v = 0;
    for (size_t i = 0; i < 4; ++i) v |= uint32_t(uint8_t(file[record * kRecord + i])) << (8 * i);
    return int32_t(v);
}

std::string TextAt(const std::string& file, size_t record, size_t offset = 14) {
    return std::string(file.c_str() + record * kRecord + offset);
}

TEST(SearchTermsFile, EmptyQueriesGiveFiveRecords) {
    qftest::TempDir dir;
    qf::RecordingMessages messages;
    ASSERT_TRUE(qf::SaveSearchTermsFile({}, dir / "default.TRMS", messages));
    const std::string file = qftest::ReadFile(dir / "default.TRMS");
    ASSERT_EQ(file.size(), 5 * kRecord);
    EXPECT_EQ(IdAt(file, 0), 2);
    EXPECT_EQ(TextAt(file, 0), " ");
    EXPECT_EQ(file.substr(4, 10), "FDFILETEXT");
    EXPECT_EQ(IdAt(file, 1), 4);
    EXPECT_EQ(TextAt(file, 1), "");
    EXPECT_EQ(IdAt(file, 2), 5);
    EXPECT_EQ(TextAt(file, 2, 274), "");
    EXPECT_EQ(IdAt(file, 3), 7);
    EXPECT_EQ(TextAt(file, 3), " ");
    EXPECT_EQ(IdAt(file, 4), 200);
    EXPECT_EQ(file.substr(4 * kRecord + 4, 10), std::string("VEGVEGEVE\0", 10));
}

TEST(SearchTermsFile, EverythingRoundTripsInOrder) {
    qftest::TempDir dir;
    qf::RecordingMessages messages;
    qf::SearchTermsData terms;
    terms.fileNameHistory = {"*.cpp", "*.h"};
    terms.fileNameText = "*.txt";
    terms.queryHistory = {"alpha", "\"beta gamma\""};
    terms.standardQuery = "alpha";
    terms.booleanQuery = "((a .AND. b) .OR. c)" + std::string(4000, ' ');
    terms.zipHistory = {"*.zip"};
    terms.zipText = "arch*.zip";
    ASSERT_TRUE(qf::SaveSearchTermsFile(terms, dir / "t.TRMS", messages));
    const std::string file = qftest::ReadFile(dir / "t.TRMS");
    EXPECT_EQ(IdAt(file, 0), 1);
    EXPECT_EQ(IdAt(file, 1), 1);
    EXPECT_EQ(IdAt(file, 2), 2);
    EXPECT_EQ(IdAt(file, 3), 3);

    qf::SearchTermsData back;
    back.queryHistory = {"stale"};
    ASSERT_TRUE(qf::LoadSearchTermsFile(back, dir / "t.TRMS", messages));
    EXPECT_EQ(back, terms);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST(SearchTermsFile, DamagedFileKeepsTheCurrentTerms) {
    qftest::TempDir dir;
    qf::RecordingMessages messages;
    qf::SearchTermsData terms;
    terms.standardQuery = "keep";
    ASSERT_TRUE(qf::SaveSearchTermsFile(terms, dir / "t.TRMS", messages));
    const std::string file = qftest::ReadFile(dir / "t.TRMS");
    qftest::WriteFile(dir / "bad.TRMS", file.substr(0, file.size() - kRecord));
    qf::SearchTermsData current;
    current.standardQuery = "mine";
    EXPECT_FALSE(qf::LoadSearchTermsFile(current, dir / "bad.TRMS", messages));
    EXPECT_EQ(current.standardQuery, "mine");
    EXPECT_EQ(messages.Last().caption, "Error !    Msg no: 1001.");
}

TEST(SearchTermsFile, UnopenableTargetReports0072) {
    qftest::TempDir dir;
    qf::RecordingMessages messages;
    EXPECT_FALSE(qf::SaveSearchTermsFile({}, dir / "no/such/t.TRMS", messages));
    EXPECT_EQ(messages.Last().caption, "Severe Error!    Msg no: 0072.");
}

}  // namespace
