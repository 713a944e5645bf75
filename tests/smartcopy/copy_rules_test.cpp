#include <gtest/gtest.h>

#include "smartcopy/copy_cli_options.h"
#include "smartcopy/copy_layout.h"
#include "smartcopy/increase_rule.h"

using namespace qf;

TEST(IncreaseRule, NamesAndExtensionsCountOn) {
    EXPECT_EQ(IncreaseText("report"), "reportINC001");
    EXPECT_EQ(IncreaseText("reportINC001"), "reportINC002");
    EXPECT_EQ(IncreaseText("aINC009"), "aINC010");
    EXPECT_EQ(IncreaseText("a"), "aINC001");
    EXPECT_EQ(IncreaseText("INC001"), "INC002");
    EXPECT_EQ(IncreaseFileName("a.txt"), "aINC001.txt");
    EXPECT_EQ(IncreaseFileName("aINC001.txt"), "aINC002.txt");
    EXPECT_EQ(IncreaseFileName("readme"), "readmeINC001.noext");
    EXPECT_EQ(IncreaseFileName("readmeINC001.noext"), "readmeINC002.noext");
    EXPECT_EQ(IncreaseFileExtension("report.doc"), "report.docINC001");
    EXPECT_EQ(IncreaseFileExtension("report.docINC001"), "report.docINC002");
    EXPECT_EQ(IncreaseFileExtension("readme"), "readme.noextINC001");
}

TEST(CopyLayout, TargetFolders) {
    EXPECT_EQ(CopyTargetFolder("/d", "/home/a/x.doc", "", CopyLayout::OneFolder), "/d");
    EXPECT_EQ(CopyTargetFolder("/d", "/home/a/x.DOC", "", CopyLayout::TypeFolders), "/d/DOC");
    EXPECT_EQ(CopyTargetFolder("/d", "/home/a/y.doc", "", CopyLayout::TypeFolders), "/d/doc");
    EXPECT_EQ(CopyTargetFolder("/d", "/home/a/readme", "", CopyLayout::TypeFolders), "/d/noext");
    EXPECT_EQ(CopyTargetFolder("/d", "/w/x.doc.txt", "Word Converted", CopyLayout::TypeFolders),
              "/d/txt-Word Converted");
    // A POSIX folder has no drive: its whole path is the rest.
    EXPECT_EQ(CopyTargetFolder("/d", "/home/a/x.doc", "", CopyLayout::FolderTree), "/d/-Disc/home/a");
    EXPECT_EQ(CopyTargetFolder("/d", "/home/a:b/x.doc", "", CopyLayout::FolderTree), "/d/-Disc/home/a:b");
    EXPECT_EQ(CopyTargetFolder("/d", "/t/w/r.txt", "Pdf Converted", CopyLayout::FolderTree),
              "/d/-Disc-Pdf Converted-/t/w");
    std::string drive, rest;
    SplitDrive("C:\\Data\\Work", drive, rest);
    EXPECT_EQ(drive, "C");
    EXPECT_EQ(rest, "\\Data\\Work");
    // A network path has neither drive nor rest.
    EXPECT_EQ(CopyTargetFolder("/d", "\\\\server\\share/x.doc", "", CopyLayout::FolderTree), "/d/-Disc");
}

TEST(CopyCommandLine, WordsSetTheirOptions) {
    Options o;
    std::string error;
    ASSERT_TRUE(ParseCopyKinds("pdf,word", o, error));
    EXPECT_FALSE(o.On(Opt::CFRESULTSC));
    EXPECT_TRUE(o.On(Opt::CFWORDCHKB));
    EXPECT_TRUE(o.On(Opt::CFPDFCHECK));
    ASSERT_TRUE(ParseCopyLayout("tree", o, error));
    EXPECT_TRUE(o.On(Opt::CFINONEFOS));
    EXPECT_FALSE(o.On(Opt::CFINONEFOL));
    ASSERT_TRUE(ParseCopyCollision("exts", o, error));
    EXPECT_TRUE(o.On(Opt::CFNWEXRDBN));
    EXPECT_FALSE(o.On(Opt::CFOVWRRDBN));
    EXPECT_FALSE(ParseCopyLayout("flat", o, error));
    EXPECT_FALSE(ParseCopyCollision("skip", o, error));
    EXPECT_FALSE(ParseCopyKinds("results,zip", o, error));
    EXPECT_TRUE(o.On(Opt::CFNWEXRDBN));  // a refused word changes nothing
}
