// Unzipping real archives: extraction folders, marker, logs, counters, the
// entry rules, and archives that try to write outside their folder.

#include "archive/unzip_archive.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <set>

#include "archive/rule_entry_filter.h"
#include "engine/file_rules.h"
#include "engine/folder_rules.h"
#include "platform/file_info.h"
#include "platform/file_time.h"
#include "support/test_support.h"
#include "zip_builder.h"

namespace qf {
namespace {

using qftest::Exists;
using qftest::ReadFile;

// Takes every entry unless its name is listed; can ask for a stop.
class ScriptedFilter : public ArchiveEntryFilter {
public:
    std::set<std::string> rejected;
    std::vector<tagSelectedFileFolderStruct> folderHits;
    std::atomic<int>* stopAfterFiles = nullptr;
    int stopAt = 0;
    int filesSeen = 0;

    bool AcceptFolderEntry(const std::string& name) override { return !rejected.count(name); }
    bool AcceptFileEntry(const std::string& folderPart, const std::string& fileName,
                         const WIN32_FIND_DATAA&) override {
        if (stopAfterFiles && ++filesSeen == stopAt) *stopAfterFiles = 1;
        return !rejected.count(folderPart.empty() ? fileName : folderPart + "/" + fileName);
    }
    void FolderEntryExtracted(const tagSelectedFileFolderStruct& folder) override { folderHits.push_back(folder); }
};

class UnzipTest : public ::testing::Test {
protected:
    qftest::TempDir dir;
    std::string logs = dir / "Temp";
    std::string work = dir / "Temp/ZIPFILES";
    Options options;
    RunCounters counters;
    std::atomic<int> stop{0};
    SearchObserver observer;
    RecordingMessages messages;
    ScriptedFilter filter;
    UnzipContext context{options, counters, stop, logs, work, observer, messages, filter};

    void SetUp() override { qftest::MakeDirs(work); }

    std::optional<_Folder_Struct> Unzip(const std::string& path) {
        tagSelectedFileFolderStruct archive;
        archive.fullPath = path;
        archive.fileName = BaseName(path);
        archive.folderPath = ParentPath(path);
        return UnzipArchive(context, archive);
    }
    std::string GoodLog() { return ReadFile(logs + "/DefaultTempJoZip.Log"); }
    std::string BadLog() { return ReadFile(logs + "/DefaultTempRosszZip.Log"); }
};

TEST_F(UnzipTest, ExtractsEntriesIntoNumberedFolderWithMarkerLogsAndTimes) {
    const std::string zip = dir / "data1.zip";
    qftest::ZipBuilder(zip)
        .Folder("docs/")
        .File("docs/a.txt", "alpha\n", {2019, 3, 4, 5, 6, 8})
        .File("top.txt", "top\n");

    const auto folder = Unzip(zip);
    ASSERT_TRUE(folder);
    const std::string inner = work + "/ZIPS00001/ZIPS00001";
    EXPECT_EQ(folder->sWorkingFolder, inner);
    EXPECT_EQ(folder->sIncreasedFolder, inner);
    EXPECT_EQ(folder->sArchiveFolderFiles, zip);
    EXPECT_EQ(ReadFile(inner + "/docs/a.txt"), "alpha\n");
    EXPECT_EQ(ReadFile(inner + "/top.txt"), "top\n");
    EXPECT_EQ(ReadFile(work + "/ZIPS00001/Norvique.Norvique"), zip + "\r\n");

    // The entry's modification time (local DOS time) is kept.
    WIN32_FIND_DATAA data;
    ASSERT_TRUE(GetFindData(inner + "/docs/a.txt", data));
    FILETIME local;
    SYSTEMTIME st;
    ASSERT_TRUE(FileTimeToLocalFileTime(data.ftLastWriteTime, local));
    ASSERT_TRUE(FileTimeToSystemTime(local, st));
    EXPECT_EQ(FormatDateTimeSeconds(st), "03/04/2019  05:06:08");

    EXPECT_EQ(GoodLog(), " Archive file successfully opened :  :    " + zip + "\r\n" +
                             "    File successfully unzipped :  :    docs/\r\n"
                             "    File successfully unzipped :  :    docs/a.txt\r\n"
                             "    File successfully unzipped :  :    top.txt\r\n");
    EXPECT_FALSE(Exists(logs + "/DefaultTempRosszZip.Log"));
    EXPECT_EQ(counters.nZipExamined, 1);
    EXPECT_EQ(counters.nZipUnzipped, 1);
    EXPECT_EQ(counters.nZipFailed, 0);

    // The next archive takes the next free number; a taken number is skipped.
    qftest::MakeDirs(work + "/ZIPS00002");
    const auto second = Unzip(zip);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->sWorkingFolder, work + "/ZIPS00003/ZIPS00003");
}

TEST_F(UnzipTest, EntriesClimbingOutOfTheFolderOrLinksAreNeverWritten) {
    const std::string zip = dir / "evil.zip";
    const std::string outside = dir / "escaped.txt";
    qftest::ZipBuilder(zip)
        .File("../escaped.txt", "x")
        .File("sub/../../escaped.txt", "x")
        .File(outside, "x")
        .Link("link", dir.Path())
        .File("link/escaped.txt", "x")
        .File("good.txt", "fine");

    ASSERT_TRUE(Unzip(zip));
    const std::string inner = work + "/ZIPS00001/ZIPS00001";
    EXPECT_FALSE(Exists(outside));
    EXPECT_FALSE(Exists(dir / "Temp/escaped.txt"));
    EXPECT_FALSE(std::filesystem::is_symlink(inner + "/link"));
    EXPECT_EQ(ReadFile(inner + "/good.txt"), "fine");
    // The link was refused, so "link/escaped.txt" lands in a plain folder inside.
    EXPECT_EQ(ReadFile(inner + "/link/escaped.txt"), "x");
    const std::string bad = BadLog();
    for (const std::string& name : {std::string("../escaped.txt"), std::string("sub/../../escaped.txt"), outside,
                                    std::string("link")})
        EXPECT_NE(bad.find("    File didn't unzipped :  :    " + name + "\r\n"), std::string::npos) << name;
}

TEST_F(UnzipTest, DamagedArchiveIsCountedAsFailedAndDamagedEntryIsRemoved) {
    const std::string junk = dir / "junk.zip";
    qftest::WriteFile(junk, "PK\x03\x04 this is not an archive at all");
    EXPECT_FALSE(Unzip(junk));
    EXPECT_EQ(BadLog(), " Unzip process failed  :    " + junk + "\r\n");
    EXPECT_EQ(counters.nZipExamined, 1);
    EXPECT_EQ(counters.nZipFailed, 1);
    EXPECT_EQ(counters.nZipUnzipped, 0);
    EXPECT_FALSE(Exists(work + "/ZIPS00001/Norvique.Norvique"));

    // Data that no longer matches its checksum: that entry only is dropped.
    const std::string zip = dir / "bitrot.zip";
    const std::string payload(20000, 'q');
    qftest::ZipBuilder(zip).File("ok.txt", "ok").File("rot.txt", payload);
    std::string bytes = ReadFile(zip);
    const size_t at = bytes.find("rot.txt") + 7 + 10;  // inside its compressed data
    bytes[at] = char(bytes[at] ^ 0x55);
    qftest::WriteFile(zip, bytes);
    ASSERT_TRUE(Unzip(zip));
    const std::string inner = work + "/ZIPS00002/ZIPS00002";
    EXPECT_EQ(ReadFile(inner + "/ok.txt"), "ok");
    EXPECT_FALSE(Exists(inner + "/rot.txt"));
    EXPECT_NE(BadLog().find("    File didn't unzipped :  :    rot.txt"), std::string::npos);
}

TEST_F(UnzipTest, EntryPastItsBoundIsStoppedWhateverSizeItClaims) {
    const std::string zip = dir / "bomb.zip";
    const std::string zeros(3 << 20, '\0');
    qftest::ZipBuilder(zip)
        .File("honest.bin", zeros)
        .DeclaredSize("liar-small.bin", zeros, 100)
        .DeclaredSize("liar-large.bin", "tiny", 1ULL << 40)
        .File("small.txt", "small");
    context.maxEntryBytes = 1 << 20;

    ASSERT_TRUE(Unzip(zip));
    const std::string inner = work + "/ZIPS00001/ZIPS00001";
    EXPECT_FALSE(Exists(inner + "/honest.bin"));
    EXPECT_FALSE(Exists(inner + "/liar-small.bin"));
    EXPECT_FALSE(Exists(inner + "/liar-large.bin"));
    EXPECT_EQ(ReadFile(inner + "/small.txt"), "small");
    const std::string bad = BadLog();
    for (const char* name : {"honest.bin", "liar-small.bin", "liar-large.bin"})
        EXPECT_NE(bad.find(std::string(":    ") + name + "\r\n"), std::string::npos) << name;
}

TEST_F(UnzipTest, ArchiveWhoseEntriesAreAllRejectedStillGetsFolderMarkerAndQueueEntry) {
    const std::string zip = dir / "all-out.zip";
    qftest::ZipBuilder(zip).Folder("d/").File("d/a.txt", "a").File("b.txt", "b");
    filter.rejected = {"d/", "d/a.txt", "b.txt"};
    const auto folder = Unzip(zip);
    ASSERT_TRUE(folder);
    EXPECT_TRUE(std::filesystem::is_empty(folder->sWorkingFolder));
    EXPECT_TRUE(Exists(work + "/ZIPS00001/Norvique.Norvique"));
    EXPECT_EQ(GoodLog(), " Archive file successfully opened :  :    " + zip + "\r\n");
}

TEST_F(UnzipTest, NestedArchiveBypassesTheRulesAndGetsTwoLineMarker) {
    const std::string innerZip = dir / "inner.zip";
    qftest::ZipBuilder(innerZip).File("deep.txt", "deep");
    const std::string outer = dir / "outer.zip";
    qftest::ZipBuilder(outer).File("sub/inner.zip", ReadFile(innerZip)).File("x.txt", "x");
    filter.rejected = {"sub/inner.zip", "x.txt"};

    const auto first = Unzip(outer);
    ASSERT_TRUE(first);
    const std::string extracted = first->sWorkingFolder + "/sub/inner.zip";
    ASSERT_TRUE(Exists(extracted));
    EXPECT_FALSE(Exists(first->sWorkingFolder + "/x.txt"));

    // Found again when the extraction folder is searched.
    filter.rejected.clear();
    const auto second = Unzip(extracted);
    ASSERT_TRUE(second);
    EXPECT_EQ(ReadFile(second->sWorkingFolder + "/deep.txt"), "deep");
    EXPECT_EQ(ReadFile(work + "/ZIPS00002/Norvique.Norvique"), outer + "\r\n" + extracted + "\r\n");
}

TEST_F(UnzipTest, StopRequestEndsTheEntryLoopButTheArchiveIsStillQueued) {
    const std::string zip = dir / "long.zip";
    qftest::ZipBuilder builder(zip);
    for (int i = 0; i < 10; ++i) builder.File("f" + std::to_string(i) + ".txt", "x");
    builder.Close();
    filter.stopAfterFiles = &stop;
    filter.stopAt = 3;

    const auto folder = Unzip(zip);
    ASSERT_TRUE(folder);
    EXPECT_TRUE(Exists(folder->sWorkingFolder + "/f2.txt"));
    EXPECT_FALSE(Exists(folder->sWorkingFolder + "/f3.txt"));
    EXPECT_TRUE(Exists(work + "/ZIPS00001/Norvique.Norvique"));
}

TEST_F(UnzipTest, FolderEntriesAreOfferedToTheFolderNameSearchWithArchiveColumns) {
    const std::string zip = dir / "tree.zip";
    qftest::ZipBuilder(zip).Folder("alpha/").Folder("alpha/beta/").File("alpha/beta/c.txt", "c");
    options.SetInt(Opt::STYPFOLDER, 1);
    const auto folder = Unzip(zip);
    ASSERT_TRUE(folder);
    ASSERT_EQ(filter.folderHits.size(), 2u);
    const tagSelectedFileFolderStruct& beta = filter.folderHits[1];
    EXPECT_EQ(beta.fileName, "beta");
    EXPECT_EQ(beta.fullPath, folder->sWorkingFolder + "/alpha/beta");
    EXPECT_EQ(beta.archiveFolder, zip);
    EXPECT_EQ(beta.archiveExtension, "zip");
    EXPECT_EQ(beta.zipFolderText, "ZIPFILE:/alpha");
}

TEST_F(UnzipTest, TypeRuleOfTheRunKeepsOnlyIncludedTypes) {
    const std::string zip = dir / "mixed.zip";
    qftest::ZipBuilder(zip).File("a.txt", "a").File("b.exe", "b").File("c.zip", "not really");
    options.SetInt(Opt::MATCHFILTY, 1);
    options.Choose({Opt::ALLFILETPS, Opt::EXCFILETPS, Opt::INCFILETPS, Opt::SELONEFLTS}, Opt::INCFILETPS);
    options.SetMap(Opt::INCFILEMAP, {{"txt", 1}});
    const TermMatcher matcher = TermMatcher::FromOptions(options);
    const FolderTermRules folderRules = MakeFolderTermRules(options, matcher, messages);
    const FileTermRules fileRules = MakeFileTermRules(options, matcher, messages);
    RuleEntryFilter rules(options, matcher, folderRules, fileRules, std::time(nullptr));
    UnzipContext ruled{options, counters, stop, logs, work, observer, messages, rules};
    tagSelectedFileFolderStruct archive;
    archive.fullPath = zip;

    const auto folder = UnzipArchive(ruled, archive);
    ASSERT_TRUE(folder);
    EXPECT_TRUE(Exists(folder->sWorkingFolder + "/a.txt"));
    EXPECT_FALSE(Exists(folder->sWorkingFolder + "/b.exe"));
    EXPECT_TRUE(Exists(folder->sWorkingFolder + "/c.zip"));
}

// Points the central directory's second entry at the first entry's local
// header, as archives do whose entries share one compressed body.
void ShareFirstEntrysData(const std::string& zip) {
    std::string bytes = ReadFile(zip);
    const size_t first = bytes.find("PK\x01\x02");
    const size_t second = bytes.find("PK\x01\x02", first + 4);
    ASSERT_NE(second, std::string::npos);
    bytes.replace(second + 42, 4, bytes.substr(first + 42, 4));
    qftest::WriteFile(zip, bytes);
}

std::string RandomBytes(size_t size) {
    std::mt19937 random(7);
    std::string bytes(size, '\0');
    for (char& c : bytes) c = char(random());
    return bytes;
}

TEST_F(UnzipTest, OverlappingEntriesAreRefusedBeforeAnythingIsWritten) {
    const std::string zip = dir / "overlap.zip";
    const std::string body(100000, 'x');
    qftest::ZipBuilder(zip).File("a.txt", body).File("b.txt", body).File("c.txt", "c");
    ShareFirstEntrysData(zip);

    EXPECT_FALSE(Unzip(zip));
    EXPECT_EQ(BadLog(), " Unzip refused, its entries overlap  :    " + zip + "\r\n");
    EXPECT_EQ(counters.nZipExamined, 1);
    EXPECT_EQ(counters.nZipFailed, 1);
    EXPECT_EQ(counters.nZipUnzipped, 0);
    EXPECT_TRUE(std::filesystem::is_empty(work + "/ZIPS00001/ZIPS00001"));
}

TEST_F(UnzipTest, ExpansionBeyondTheRatioOrTheSearchBudgetIsRefused) {
    // Over 1 MiB and expanding to about four times its size.
    const std::string zip = dir / "expands.zip";
    qftest::ZipBuilder(zip).File("noise.bin", RandomBytes(1100000)).File("zeros.bin", std::string(3300000, '\0'));
    options.SetInt(Opt::ZIPRATIOLM, 3);
    EXPECT_FALSE(Unzip(zip));
    EXPECT_EQ(BadLog(), " Unzip refused, it expands beyond the ratio limit  :    " + zip + "\r\n");
    options.SetInt(Opt::ZIPRATIOLM, 4);
    ASSERT_TRUE(Unzip(zip));

    // What one search extracts is counted across its archives.
    const std::string small = dir / "small.zip";
    qftest::ZipBuilder(small).File("a.txt", std::string(2000, 'a'));
    context.budget = ExtractionBudget(3000);
    ASSERT_TRUE(Unzip(small));
    EXPECT_FALSE(Unzip(small));
    EXPECT_NE(BadLog().find(" Unzip refused, the search's unzip budget is spent  :    " + small + "\r\n"),
              std::string::npos);
    EXPECT_EQ(counters.nZipExamined, 4);
    EXPECT_EQ(counters.nZipFailed, 2);
}

TEST_F(UnzipTest, EntryHoldingLessThanDeclaredEndsTheArchiveAndLeavesNothing) {
    const std::string zip = dir / "short.zip";
    qftest::ZipBuilder(zip).File("first.txt", "first").DeclaredSize("short.bin", "tiny", 5000).File("last.txt", "x");

    EXPECT_FALSE(Unzip(zip));
    EXPECT_FALSE(Exists(work + "/ZIPS00001"));
    const std::string bad = BadLog();
    EXPECT_NE(bad.find("    File size differs from the archive's record :  :    short.bin\r\n"), std::string::npos);
    EXPECT_NE(bad.find(" Unzip stopped, an entry's size differs from the archive's record  :    " + zip),
              std::string::npos);
    EXPECT_EQ(counters.nZipUnzipped, 0);
    EXPECT_EQ(counters.nZipFailed, 1);
}

TEST_F(UnzipTest, EntryDeclaredOverTwoGibIsLoggedNotSkippedSilently) {
    const std::string zip = dir / "huge.zip";
    qftest::ZipBuilder(zip).DeclaredSize("huge.bin", "tiny", 3ULL << 30).File("a.txt", "a");
    const TermMatcher matcher = TermMatcher::FromOptions(options);
    const FolderTermRules folderRules = MakeFolderTermRules(options, matcher, messages);
    const FileTermRules fileRules = MakeFileTermRules(options, matcher, messages);
    RuleEntryFilter rules(options, matcher, folderRules, fileRules, std::time(nullptr));
    UnzipContext ruled{options, counters, stop, logs, work, observer, messages, rules};
    tagSelectedFileFolderStruct archive;
    archive.fullPath = zip;

    const auto folder = UnzipArchive(ruled, archive);
    ASSERT_TRUE(folder);
    EXPECT_TRUE(Exists(folder->sWorkingFolder + "/a.txt"));
    EXPECT_EQ(BadLog(), "    File too large to unzip :  :    huge.bin\r\n");
}

TEST(ArchiveLimits, BudgetIsTheSmallerOfTheSettingAndHalfTheFreeSpace) {
    EXPECT_EQ(SearchBudgetBytes(4096, 100ULL << 30), 4096ULL << 20);
    EXPECT_EQ(SearchBudgetBytes(4096, 1ULL << 30), 512ULL << 20);
    EXPECT_EQ(SearchBudgetBytes(4096, std::nullopt), 4096ULL << 20);
    EXPECT_EQ(SearchBudgetBytes(0, 1ULL << 30), 512ULL << 20);
}

}  // namespace
}  // namespace qf
