// The Search command's preparation of the log and working folders.

#include "archive/search_folders.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace qf {
namespace {

using qftest::Exists;

TEST(SearchFolders, DefaultsBelowTheHomeAreEmptiedAndCreated) {
    qftest::TempDir dir;
    const std::string home = dir / "home";
    qftest::WriteFile(home + "/default.SET", "keep");
    Options options;
    RecordingMessages messages;
    ASSERT_TRUE(PrepareSearchFolders(options, home, messages));
    // What the last search left is removed by the next.
    qftest::WriteFile(home + "/Temp/old.log", "old");
    qftest::WriteFile(home + "/Temp/ZIPFILES/ZIPS00001/ZIPS00001/a.txt", "old");

    ASSERT_TRUE(PrepareSearchFolders(options, home, messages));
    EXPECT_EQ(options.Text(Opt::ZIPWORKDIR), home + "/Temp/ZIPFILES/");
    EXPECT_EQ(options.Text(Opt::WORDWRKDIR), home + "/Temp/WORDFILES/");
    EXPECT_EQ(options.Text(Opt::PDFWORKDIR), home + "/Temp/PDFFILES/");
    EXPECT_FALSE(Exists(home + "/Temp/old.log"));
    EXPECT_FALSE(Exists(home + "/Temp/ZIPFILES/ZIPS00001"));
    for (const char* folder : {"/Temp/ZIPFILES", "/Temp/WORDFILES", "/Temp/PDFFILES"}) EXPECT_TRUE(Exists(home + folder));
    EXPECT_TRUE(Exists(home + "/default.SET"));
    EXPECT_EQ(messages.Count(), 0u);

    const SearchFolders folders = SearchFoldersOf(options, home);
    EXPECT_EQ(folders.logFolder, home + "/Temp");
    EXPECT_EQ(folders.zipWorkFolder, home + "/Temp/ZIPFILES");
}

TEST(SearchFolders, ForeignFolderWithFilesIsRefusedAndKeptWhileAnEmptyOneIsAdopted) {
    qftest::TempDir dir;
    const std::string home = dir / "home";
    const std::string foreign = dir / "my documents";
    qftest::WriteFile(foreign + "/thesis.txt", "precious");
    qftest::MakeDirs(dir / "empty");
    Options options;
    options.SetText(Opt::ZIPWORKDIR, dir / "empty/");
    options.SetText(Opt::WORDWRKDIR, foreign + "/");
    RecordingMessages messages;

    EXPECT_FALSE(PrepareSearchFolders(options, home, messages));
    EXPECT_EQ(qftest::ReadFile(foreign + "/thesis.txt"), "precious");
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Error !    Msg no: 1030.");
    EXPECT_NE(messages.Last().text.find(foreign), std::string::npos);
    EXPECT_TRUE(Exists(dir / "empty/.quillfind-working-folder"));
    // The PDF folder comes after the refused one and is left untouched.
    EXPECT_FALSE(Exists(home + "/Temp/PDFFILES"));
}

}  // namespace
}  // namespace qf
