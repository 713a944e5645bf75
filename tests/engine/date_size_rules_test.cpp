#include <fcntl.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "engine/date_rules.h"
#include "engine/file_passes.h"
#include "engine/run_helpers.h"
#include "engine/size_rules.h"
#include "platform/file_time.h"
#include "support/test_support.h"

namespace {

using qf::Opt;

class SizeRuleTest : public ::testing::Test {
protected:
    void Rule(Opt comparison, int64_t from, int64_t to, Opt unit) {
        o.SetInt(Opt::CSIZECHECK, 1);
        o.Choose({Opt::SIZELARGER, Opt::SIZESMALER, Opt::SIZEEQUALT, Opt::SIZEBETWEN}, comparison);
        o.Choose({Opt::SIZEINBYTS, Opt::SIZENKBYTS, Opt::SIZENMBYTS, Opt::SIZENGBYTS}, unit);
        o.SetInt(Opt::SIZEFROMTW, from);
        o.SetInt(Opt::SIZETOWWWW, to);
    }
    bool Passes(uint64_t size) { return qf::FilePasses(o, {}, {}, {}, size, 0); }
    qf::Options o;
};

TEST_F(SizeRuleTest, ComparisonsExcludeTheirBounds) {
    Rule(Opt::SIZELARGER, 1, 0, Opt::SIZENKBYTS);
    EXPECT_TRUE(Passes(1025));
    EXPECT_FALSE(Passes(1024));
    Rule(Opt::SIZEBETWEN, 1, 2, Opt::SIZENKBYTS);
    EXPECT_FALSE(Passes(1024));
    EXPECT_TRUE(Passes(1500));
    EXPECT_FALSE(Passes(2048));
    Rule(Opt::SIZEEQUALT, 7, 0, Opt::SIZEINBYTS);
    EXPECT_TRUE(Passes(7));
    EXPECT_FALSE(Passes(8));
}

TEST_F(SizeRuleTest, TwoGibibytesIsTheBoundWhateverTheRules) {
    EXPECT_TRUE(Passes(2147483648ULL));
    EXPECT_FALSE(Passes(2147483649ULL));
    Rule(Opt::SIZELARGER, 1, 0, Opt::SIZENGBYTS);
    EXPECT_FALSE(Passes(5000000000ULL));
}

TEST_F(SizeRuleTest, NoComparisonOrNoUnit) {
    o.SetInt(Opt::CSIZECHECK, 1);
    EXPECT_FALSE(Passes(10));  // selected without a comparison rejects
    Rule(Opt::SIZELARGER, 5, 0, Opt::SIZEINBYTS);
    o.SetInt(Opt::SIZEINBYTS, 0);
    EXPECT_TRUE(Passes(1));  // without a unit the value is 0 bytes
}

qf::SYSTEMTIME Utc(int y, int m, int d, int h = 12) {
    qf::SYSTEMTIME st;
    st.wYear = uint16_t(y);
    st.wMonth = uint16_t(m);
    st.wDay = uint16_t(d);
    st.wHour = uint16_t(h);
    return st;
}

std::time_t UnixOf(const qf::SYSTEMTIME& st) {
    qf::FILETIME ft;
    qf::SystemTimeToFileTime(st, ft);
    return qf::UnixFromFileTime(ft);
}

TEST(PreviousPeriod, MonthsClampToTheLastDayAndYearsWrap) {
    qf::FILETIME lower, upper, expected;
    qf::PreviousPeriod(qf::kMonths, 1, UnixOf(Utc(2023, 3, 31)), lower, upper);
    qf::SystemTimeToFileTime(Utc(2023, 2, 28), expected);
    EXPECT_EQ(lower, expected);
    qf::PreviousPeriod(qf::kMonths, 12, UnixOf(Utc(2023, 12, 15)), lower, upper);
    qf::SystemTimeToFileTime(Utc(2022, 12, 15), expected);
    EXPECT_EQ(lower, expected);
    qf::PreviousPeriod(qf::kYears, 1, UnixOf(Utc(2024, 2, 29)), lower, upper);
    qf::SystemTimeToFileTime(Utc(2023, 2, 28), expected);
    EXPECT_EQ(lower, expected);
}

class TimeRuleTest : public ::testing::Test {
protected:
    TimeRuleTest() { setenv("TZ", "UTC", 1); }
    qf::FILETIME HoursAgo(int hours) { return qf::FileTimeFromUnix(now - hours * 3600); }
    qf::Options o;
    std::time_t now = UnixOf(Utc(2024, 6, 15));
};

TEST_F(TimeRuleTest, DuringPreviousDaysAndExclude) {
    o.SetInt(Opt::WRTCHKTIME, 1);
    o.Choose({Opt::WRIINCRADO, Opt::WRIEXCRADO}, Opt::WRIINCRADO);
    o.Choose({Opt::WRTBETWEEN, Opt::ERTPREVIOS}, Opt::ERTPREVIOS);
    o.SetInt(Opt::WRTAGETYPE, qf::kDays);
    o.SetInt(Opt::WRTIMENUMB, 1);
    EXPECT_TRUE(qf::TimeRulePasses(o, qf::kWriteRule, HoursAgo(23), now));
    EXPECT_FALSE(qf::TimeRulePasses(o, qf::kWriteRule, HoursAgo(25), now));
    EXPECT_FALSE(qf::TimeRulePasses(o, qf::kWriteRule, HoursAgo(-1), now));  // the future is outside

    o.Choose({Opt::WRIINCRADO, Opt::WRIEXCRADO}, Opt::WRIEXCRADO);
    o.SetInt(Opt::WRTAGETYPE, qf::kWeeks);
    o.SetInt(Opt::WRTIMENUMB, 2);
    EXPECT_FALSE(qf::TimeRulePasses(o, qf::kWriteRule, HoursAgo(13 * 24), now));
    EXPECT_TRUE(qf::TimeRulePasses(o, qf::kWriteRule, HoursAgo(15 * 24), now));
}

TEST_F(TimeRuleTest, BetweenIgnoresTheOrderOfItsEnds) {
    o.SetInt(Opt::CREACKTIME, 1);
    o.Choose({Opt::CREABETWEN, Opt::CREAPREVOS}, Opt::CREABETWEN);
    o.SetDate(Opt::CRFROMDATE, Utc(2024, 6, 10));
    o.SetDate(Opt::CREATODATE, Utc(2024, 6, 1));
    const qf::FILETIME inside = qf::FileTimeFromUnix(UnixOf(Utc(2024, 6, 5)));
    const qf::FILETIME edge = qf::FileTimeFromUnix(UnixOf(Utc(2024, 6, 10)));
    const qf::FILETIME outside = qf::FileTimeFromUnix(UnixOf(Utc(2024, 6, 11)));
    EXPECT_TRUE(qf::TimeRulePasses(o, qf::kCreationRule, inside, now));
    EXPECT_TRUE(qf::TimeRulePasses(o, qf::kCreationRule, edge, now));
    EXPECT_FALSE(qf::TimeRulePasses(o, qf::kCreationRule, outside, now));
}

TEST(TimeRuleOnDisk, ModificationTimesSetWithUtimensat) {
    qftest::TempDir home, tree;
    qftest::WriteFile(tree / "fresh.txt", "x");
    qftest::WriteFile(tree / "stale.txt", "x");
    const std::time_t now = std::time(nullptr);
    const timespec times[2] = {{now - 25 * 3600, 0}, {now - 25 * 3600, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, (tree / "stale.txt").c_str(), times, 0), 0);

    qf::Session session(home.Path());
    qf::RecordingMessages messages;
    qftest::ByFileName(session, {tree.Path()});
    qf::Options& o = session.state.options;
    o.SetInt(Opt::WRTCHKTIME, 1);
    o.Choose({Opt::WRTBETWEEN, Opt::ERTPREVIOS}, Opt::ERTPREVIOS);
    o.SetInt(Opt::WRTAGETYPE, qf::kDays);
    o.SetInt(Opt::WRTIMENUMB, 1);
    EXPECT_EQ(qftest::RunSearch(session, messages).paths, std::vector<std::string>{tree / "fresh.txt"});
}

}  // namespace
