// The ZIP name match, entry names as paths, archive columns and entry times.

#include <gtest/gtest.h>

#include "archive/archive_columns.h"
#include "archive/archive_marker.h"
#include "archive/entry_path.h"
#include "archive/entry_times.h"
#include "archive/zip_name_match.h"
#include "platform/file_time.h"
#include "support/test_support.h"

namespace qf {
namespace {

TEST(ZipNameMatch, PatternsOfTheDesign) {
    EXPECT_TRUE(MatchesZipPatterns({"*.zip"}, "Anything.ZIP"));
    EXPECT_TRUE(MatchesZipPatterns({"a*.zip"}, "Archive.zip"));
    EXPECT_TRUE(MatchesZipPatterns({"a*.zip"}, "ab.zip"));
    EXPECT_FALSE(MatchesZipPatterns({"a*.zip"}, "backup.zip"));
    EXPECT_TRUE(MatchesZipPatterns({"data?.zip"}, "data1.zip"));
    EXPECT_TRUE(MatchesZipPatterns({"data?.zip"}, "DATA7.Zip"));
    EXPECT_FALSE(MatchesZipPatterns({"data?.zip"}, "data10.zip"));
    EXPECT_FALSE(MatchesZipPatterns({"data?.zip"}, "data.zip"));
    EXPECT_TRUE(MatchesZipPatterns({}, "whatever.zip"));
    EXPECT_TRUE(MatchesZipPatterns({"x.zip", "data?.zip"}, "data2.zip"));
    EXPECT_FALSE(ZipNameMatches("", "a.zip"));
}

TEST(EntryPath, NamesClimbingOutOrAbsoluteHaveNoPlace) {
    EXPECT_EQ(SafeEntryPath("a/b.txt"), "a/b.txt");
    EXPECT_EQ(SafeEntryPath("./a//b/"), "a/b");
    EXPECT_EQ(SafeEntryPath("a\\b.txt"), "a/b.txt");
    EXPECT_EQ(SafeEntryPath("..."), "...");
    for (const char* bad : {"../x", "a/../../x", "a/..", "/etc/x", "\\x", "C:/x", "c:x", "", "./", "//"})
        EXPECT_FALSE(SafeEntryPath(bad)) << bad;

    EXPECT_EQ(SplitEntryName("a/b/c.txt").folderPart, "a/b");
    EXPECT_EQ(SplitEntryName("a/b/c.txt").fileName, "c.txt");
    EXPECT_EQ(SplitEntryName("c.txt").folderPart, "");
    EXPECT_EQ(SplitEntryName("a/b/").fileName, "b");
}

TEST(EntryTimes, NtfsThenExtendedThenDosTime) {
    const uint64_t mtime = 133000000000000000ULL, atime = mtime + 10, ctime = mtime + 20;
    std::string ntfs = std::string("\x0a\x00\x20\x00", 4) + std::string(4, '\0') + std::string("\x01\x00\x18\x00", 4);
    for (uint64_t v : {mtime, atime, ctime})
        for (int i = 0; i < 8; ++i) ntfs += char((v >> (8 * i)) & 0xff);
    const EntryTimes fromNtfs = ReadEntryTimes(ntfs, {});
    EXPECT_EQ(fromNtfs.lastWrite.Value(), mtime);
    EXPECT_EQ(fromNtfs.lastAccess.Value(), atime);
    EXPECT_EQ(fromNtfs.creation.Value(), ctime);

    // Extended timestamp after an unrelated block; only the modification time present.
    const std::string ut = std::string("\x99\x99\x01\x00\x00", 5) + std::string("\x55\x54\x05\x00\x01", 5) +
                           std::string("\x00\xe1\xf5\x05", 4);  // 100000000 s
    const EntryTimes fromUt = ReadEntryTimes(ut, {});
    EXPECT_EQ(fromUt.lastWrite, FileTimeFromUnix(100000000));
    EXPECT_EQ(fromUt.creation, fromUt.lastWrite);

    // A truncated block falls back to the DOS time.
    const EntryTimes fromDos = ReadEntryTimes(std::string("\x55\x54\x09\x00\x01", 5), {2020, 1, 2, 3, 4, 6});
    FILETIME local;
    SYSTEMTIME st;
    ASSERT_TRUE(FileTimeToLocalFileTime(fromDos.lastWrite, local));
    ASSERT_TRUE(FileTimeToSystemTime(local, st));
    EXPECT_EQ(FormatDateTimeSeconds(st), "01/02/2020  03:04:06");
}

TEST(ArchiveColumns, FromTheMarkerBesideTheExtractionFolder) {
    qftest::TempDir dir;
    const std::string work = dir / "ZIPFILES";
    const std::string inner = work + "/ZIPS00004/ZIPS00004";
    qftest::MakeDirs(inner + "/sub");
    const _Folder_Struct folder{inner + "/sub", "/data/outer.zip", inner, nullptr};

    tagSelectedFileFolderStruct entry;
    entry.folderPath = inner + "/sub";
    entry.fileName = "notes.txt";
    entry.extension = "txt";
    FillArchiveColumns(folder, entry);  // no marker: the archive's own folder and name
    EXPECT_EQ(entry.archiveFolder, "/data");
    EXPECT_EQ(entry.archiveFileName, "outer.zip");
    EXPECT_EQ(entry.zipFolderText, "ZIPFILE:/sub");
    EXPECT_EQ(entry.unzippedFolder, inner + "/sub");
    EXPECT_EQ(entry.unzippedFileName, "notes.txt");
    EXPECT_EQ(entry.unzippedExtension, "txt");
    EXPECT_EQ(entry.ReadPath(), inner + "/sub/notes.txt");

    const std::string longName = "/n/" + std::string(300, 'x') + ".zip";
    ASSERT_TRUE(WriteArchiveMarker(work + "/ZIPS00004", {longName, "/w/ZIPS00001/ZIPS00001/in.zip"}));
    FillArchiveColumns(folder, entry);
    EXPECT_EQ(entry.archiveFolder, longName.substr(0, 250));
    EXPECT_EQ(entry.archiveFileName, "/w/ZIPS00001/ZIPS00001/in.zip");
    EXPECT_EQ(entry.archiveExtension, "zip");

    entry.folderPath = inner;
    FillArchiveColumns(folder, entry);
    EXPECT_EQ(entry.zipFolderText, "ZIPFILE:");

    // The caching filler notices a marker written anew by a later search.
    ArchiveColumnFiller filler;
    filler.Fill(folder, entry);
    EXPECT_EQ(entry.archiveFileName, "/w/ZIPS00001/ZIPS00001/in.zip");
    qftest::WriteFile(work + "/ZIPS00004/Norvique.Norvique", "/new/one.zip\r\n");
    filler.Fill(folder, entry);
    EXPECT_EQ(entry.archiveFolder, "/new/one.zip");
    EXPECT_EQ(entry.archiveFileName, "");
}

TEST(ArchiveMarker, ChainComesFromTheEnclosingExtractionFolderAtAnyDepth) {
    qftest::TempDir dir;
    const std::string work = dir / "Z";
    qftest::MakeDirs(work + "/ZIPS00001/ZIPS00001/a/b");
    ASSERT_TRUE(WriteArchiveMarker(work + "/ZIPS00001", {"/home/u/outer.zip"}));
    const std::string nested = work + "/ZIPS00001/ZIPS00001/a/b/in.zip";
    EXPECT_EQ(ArchiveChain(work, nested), (std::vector<std::string>{"/home/u/outer.zip", nested}));
    EXPECT_EQ(ArchiveChain(work, "/home/u/plain.zip"), (std::vector<std::string>{"/home/u/plain.zip"}));
    EXPECT_EQ(EnclosingMarkerPath(work, work + "/ZIPS00001/other/x.zip"), "");
}

}  // namespace
}  // namespace qf
