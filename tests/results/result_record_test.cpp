#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "results/result_record.h"
#include "results_fixture.h"

namespace {

using qftest::LocalTime;

qf::FILETIME Later(qf::FILETIME t, uint64_t ticks) { return qf::FILETIME::FromValue(t.Value() + ticks); }

// The texts of times are kept for the last few seconds shown: a time shown
// again after others pushed it out, one later in the same second and one in
// the next second must each show their own minute.
TEST(ResultRecords, EachTimeShowsItsOwnMinuteWhateverWasShownBefore) {
    const qf::FILETIME first = LocalTime(2005, 3, 7, 14, 5);
    const std::vector<std::pair<qf::FILETIME, std::string>> times = {
        {first, "03/07/2005  14:05"},
        {LocalTime(2004, 12, 31, 23, 59), "12/31/2004  23:59"},
        {LocalTime(2005, 1, 1, 0, 10), "01/01/2005  00:10"},
        {LocalTime(2005, 6, 1, 13, 50), "06/01/2005  13:50"},
        {LocalTime(2005, 6, 1, 14, 5), "06/01/2005  14:05"},
        {LocalTime(2020, 2, 29, 8, 0), "02/29/2020  08:00"},
        {first, "03/07/2005  14:05"},
        {Later(first, 5'000'000), "03/07/2005  14:05"},
        {Later(first, 59 * 10'000'000ULL), "03/07/2005  14:05"},
        {Later(first, 60 * 10'000'000ULL), "03/07/2005  14:06"},
    };
    for (const auto& [time, text] : times) {
        qf::WIN32_FIND_DATAA data;
        data.ftCreationTime = data.ftLastAccessTime = first;
        data.ftLastWriteTime = time;
        qf::tagPrivStruct record;
        qf::FillFileData(record, data);
        EXPECT_EQ(record.lastWriteTime, text);
        EXPECT_EQ(record.creationTime, "03/07/2005  14:05");
    }
}

}  // namespace
