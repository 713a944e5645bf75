#include "results/search_statistics.h"

#include <gtest/gtest.h>

#include "reports/statistics_table.h"
#include "results/result_kind.h"

using namespace qf;

namespace {

MAP_LINES_WITH_HITS Lines(std::initializer_list<std::pair<uint32_t, DEQUE_POSITIONS_IN_LINE>> lines) {
    MAP_LINES_WITH_HITS out;
    for (const auto& [number, positions] : lines) out[number] = {"line", {{"t", positions}}};
    return out;
}

}  // namespace

// The counting places as a content search over three .txt files meets them.
TEST(SearchStatistics, ContentSearchOverThreeTextFilesWithOneHitFile) {
    SearchStatistics s;
    ResetStatistics(s);
    Options o;  // content search by default
    const ActiveRows rows = ActiveRows::FromOptions(o);
    StartNextFolder(s);
    CountFolderExamined(s, rows);
    for (const char* name : {"a.txt", "b.TXT", "c.txt"}) {
        (void)name;
        CountFileExamined(s, rows, FileTypeOfExtension("txt"), false);
    }
    CountResultMade(s, kKindFileContent, Lines({{3, {0, 9}}, {8, {4}}}));
    CountFileFound(s, kKindFileContent);
    CountContentFile(s, "txt", true);
    CountContentFile(s, "TXT", false);
    CountContentFile(s, "txt", false);

    EXPECT_EQ(s.Cell(kRowContent, kColExaminedFiles), 3u);
    EXPECT_EQ(s.Cell(kRowContent, kColExaminedFolders), 1u);
    EXPECT_EQ(s.Cell(kRowContent, kColHits), 3u);
    EXPECT_EQ(s.Cell(kRowContent, kColLines), 2u);
    EXPECT_EQ(s.Cell(kRowContent, kColFoundFiles), 1u);
    EXPECT_EQ(s.Cell(kRowContent, kColFoundFolders), 1u);
    EXPECT_EQ(s.fileTypes[kTypeTxt].examined.load(), 3u);
    EXPECT_EQ(s.fileTypes[kTypeTxt].found.load(), 1u);
    EXPECT_EQ(s.fileTypes[kTypeTxt].notFound.load(), 2u);
    EXPECT_EQ(s.sumExamined.load(), 3u);
    EXPECT_EQ(s.Cell(kRowFileNameOnly, kColExaminedFiles), 0u);
}

TEST(SearchStatistics, BinaryTypesAreNotExaminedForContentButSkipped) {
    SearchStatistics s;
    Options o;
    o.SetInt(Opt::STSTRGFILE, 1);
    const ActiveRows rows = ActiveRows::FromOptions(o);
    CountFileExamined(s, rows, FileTypeOfExtension("exe"), true);
    CountBinarySkipped(s);
    EXPECT_EQ(s.Cell(kRowContent, kColExaminedFiles), 0u);
    EXPECT_EQ(s.Cell(kRowFileName, kColExaminedFiles), 1u);
    EXPECT_EQ(s.Cell(kRowContent, kColBinarySkipped), 1u);
    EXPECT_EQ(s.fileTypes[kTypeOther].examined.load(), 1u);
}

TEST(SearchStatistics, FoundFoldersCountOncePerKindAndFolder) {
    SearchStatistics s;
    for (int folder = 0; folder < 2; ++folder) {
        StartNextFolder(s);
        for (int file = 0; file < 3; ++file) CountFileFound(s, kKindFileName);
        CountFileFound(s, kKindFolderName);
    }
    EXPECT_EQ(s.Cell(kRowFileName, kColFoundFiles), 6u);
    EXPECT_EQ(s.Cell(kRowFileName, kColFoundFolders), 2u);
    EXPECT_EQ(s.Cell(kRowFolderName, kColFoundFolders), 2u);
    EXPECT_EQ(s.Cell(kRowFolderName, kColFoundFiles), 0u);  // folder names have no file field
}

TEST(SearchStatistics, ByFileNameModeCountsOnlyItsRowAndFileResultsCountOneHit) {
    SearchStatistics s;
    Options o;
    o.SetInt(Opt::STYDOSFILE, 1);  // content flag stays set but does not count
    const ActiveRows rows = ActiveRows::FromOptions(o);
    CountFolderExamined(s, rows);
    CountFileExamined(s, rows, FileTypeOfExtension("html"), false);
    CountResultMade(s, kKindFile, {});
    EXPECT_EQ(s.Cell(kRowFileNameOnly, kColExaminedFolders), 1u);
    EXPECT_EQ(s.Cell(kRowContent, kColExaminedFolders), 0u);
    EXPECT_EQ(s.Cell(kRowContent, kColExaminedFiles), 0u);
    EXPECT_EQ(s.Cell(kRowFileNameOnly, kColHits), 1u);
    EXPECT_EQ(s.fileTypes[kTypeHtml].examined.load(), 1u);
}

TEST(SearchStatistics, ResetTimesAndEndStatus) {
    SearchStatistics s;
    ++s.cells[kRowContent][kColHits];
    SYSTEMTIME t;
    t.wYear = 2005;
    t.wMonth = 3;
    t.wDay = 7;
    t.wHour = 14;
    t.wMinute = 5;
    t.wSecond = 9;
    RecordStartTime(s, t);
    EXPECT_EQ(StatisticsTimeText(s.startTime), "03/07/2005  14:05:09");
    EXPECT_EQ(StatisticsStatusText(s), "Show files : ");
    RecordEndTime(s, t);
    EXPECT_EQ(StatisticsStatusText(s), "End of search !!! ");
    ResetStatistics(s);
    EXPECT_EQ(s.Cell(kRowContent, kColHits), 0u);
    EXPECT_EQ(StatisticsTimeText(s.endTime), "");
    EXPECT_EQ(StatisticsStatusText(s), "Show files : ");
}

TEST(SearchStatistics, FieldLinesReadTheConversionCountersOfTheRun) {
    SearchStatistics s;
    RunCounters counters;
    counters.nZipExamined = 2;
    counters.nZipUnzipped = 1;
    counters.nZipFailed = 1;
    CountFileExamined(s, ActiveRows::FromOptions(Options()), FileTypeOfExtension("htm"), false);
    const std::vector<std::string> lines = StatisticsFieldLines(s, counters);
    EXPECT_EQ(lines[2], "Zipped files : Found  2  Unzipped  1  Failed  1");
    EXPECT_EQ(lines[4], "Htm   : Examined  1  Found  0  Not found 0");
    EXPECT_EQ(lines[7], "Sum. : Examined  1");
}
