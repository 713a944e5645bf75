#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/file_time.h"

namespace {

qf::SYSTEMTIME Make(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0, int dow = 0) {
    return {uint16_t(y), uint16_t(mo), uint16_t(dow), uint16_t(d), uint16_t(h), uint16_t(mi), uint16_t(s), uint16_t(ms)};
}

// Each case chooses its zone; the previous one comes back afterwards.
class PlatformFileTime : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* tz = std::getenv("TZ")) saved_ = tz;
    }
    void TearDown() override {
        saved_ ? setenv("TZ", saved_->c_str(), 1) : unsetenv("TZ");
        tzset();
    }
    static void UseZone(const char* zone) {
        setenv("TZ", zone, 1);
        tzset();
    }

private:
    std::optional<std::string> saved_;
};

TEST_F(PlatformFileTime, UnixConversionsAroundTheEpoch) {
    EXPECT_EQ(qf::FileTimeFromUnix(0).Value(), 116444736000000000ULL);
    long ns = -1;
    EXPECT_EQ(qf::UnixFromFileTime(qf::FileTimeFromUnix(1700000000, 123456700), &ns), 1700000000);
    EXPECT_EQ(ns, 123456700);
    // Before 1970 the seconds round down and the remainder stays positive.
    EXPECT_EQ(qf::UnixFromFileTime(qf::FileTimeFromUnix(-1, 500000000), &ns), -1);
    EXPECT_EQ(ns, 500000000);
    EXPECT_EQ(qf::FileTimeFromUnix(-20'000'000'000LL).Value(), 0u);  // before 1601: clamped
}

TEST_F(PlatformFileTime, CalendarRoundTripIgnoresZoneAndSetsWeekday) {
    UseZone("Europe/Budapest");
    qf::FILETIME ft;
    qf::SYSTEMTIME back;
    ASSERT_TRUE(qf::SystemTimeToFileTime(Make(1970, 1, 1), ft));
    EXPECT_EQ(ft.Value(), qf::kFileTimeUnixEpoch);
    for (const auto& st : {Make(1601, 1, 1, 0, 0, 0, 0, 1), Make(1970, 1, 1, 0, 0, 0, 0, 4),
                           Make(1999, 12, 31, 23, 59, 59, 999, 5), Make(2024, 2, 29, 8, 30, 15, 250, 4),
                           Make(30827, 12, 31, 23, 59, 59, 999, 5)}) {
        ASSERT_TRUE(qf::SystemTimeToFileTime(st, ft)) << st.wYear;
        ASSERT_TRUE(qf::FileTimeToSystemTime(ft, back));
        EXPECT_EQ(back, st) << st.wYear;
    }
    EXPECT_FALSE(qf::FileTimeToSystemTime(qf::FILETIME::FromValue(0x8000000000000000ULL), back));
}

TEST_F(PlatformFileTime, InvalidFieldsAreRejected) {
    qf::FILETIME ft = qf::FILETIME::FromValue(42);
    for (const auto& st : {Make(2023, 2, 29), Make(2100, 2, 29), Make(1900, 2, 29), Make(1600, 12, 31),
                           Make(2024, 4, 31), Make(2024, 0, 1), Make(2024, 13, 1), Make(2024, 1, 0),
                           Make(2024, 1, 1, 24), Make(2024, 1, 1, 0, 60), Make(2024, 1, 1, 0, 0, 60),
                           Make(2024, 1, 1, 0, 0, 0, 1000)})
        EXPECT_FALSE(qf::SystemTimeToFileTime(st, ft)) << st.wYear << "-" << st.wMonth << "-" << st.wDay;
    EXPECT_EQ(ft.Value(), 42u);
    EXPECT_TRUE(qf::SystemTimeToFileTime(Make(2000, 2, 29), ft));
}

TEST_F(PlatformFileTime, LocalZoneFollowsSummerTimeAndFormats) {
    UseZone("Europe/Budapest");
    qf::SYSTEMTIME local;
    ASSERT_TRUE(qf::SystemTimeToTzSpecificLocalTime(Make(2024, 7, 1, 10, 0, 0), local));
    EXPECT_EQ(qf::FormatDateTimeSeconds(local), "07/01/2024  12:00:00");
    ASSERT_TRUE(qf::SystemTimeToTzSpecificLocalTime(Make(2024, 1, 15, 23, 30, 5), local));
    EXPECT_EQ(qf::FormatDateTimeSeconds(local), "01/16/2024  00:30:05");
    EXPECT_EQ(qf::FormatDateTimeMinutes(local), "01/16/2024  00:30");

    UseZone("UTC");
    ASSERT_TRUE(qf::SystemTimeToTzSpecificLocalTime(Make(2024, 7, 1, 10, 0, 0), local));
    EXPECT_EQ(qf::FormatDateTimeSeconds(local), "07/01/2024  10:00:00");
}

TEST_F(PlatformFileTime, LocalFileTimeRoundTripKeepsMilliseconds) {
    UseZone("America/New_York");
    qf::FILETIME utc, local, back;
    ASSERT_TRUE(qf::SystemTimeToFileTime(Make(2023, 11, 20, 15, 45, 30, 123), utc));
    ASSERT_TRUE(qf::FileTimeToLocalFileTime(utc, local));
    EXPECT_EQ(utc.Value() - local.Value(), 5ULL * 3600 * 10'000'000);
    ASSERT_TRUE(qf::LocalFileTimeToFileTime(local, back));
    EXPECT_EQ(back, utc);
}

TEST_F(PlatformFileTime, CompareAndCurrentTime) {
    const auto high = qf::FILETIME::FromValue(0x100000000ULL);  // differs only in the high word
    const auto low = qf::FILETIME::FromValue(0x0FFFFFFFFULL);
    EXPECT_EQ(qf::CompareFileTime(high, low), 1);
    EXPECT_EQ(qf::CompareFileTime(low, high), -1);
    EXPECT_EQ(qf::CompareFileTime(low, low), 0);

    UseZone("Asia/Kolkata");  // +05:30 all year
    qf::FILETIME u, l;
    ASSERT_TRUE(qf::SystemTimeToFileTime(qf::GetSystemTime(), u));
    ASSERT_TRUE(qf::SystemTimeToFileTime(qf::GetLocalTime(), l));
    EXPECT_NEAR(double(int64_t(l.Value() - u.Value()) / 10'000'000), 5.5 * 3600, 5.0);
}

}  // namespace
