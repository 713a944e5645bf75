#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "copy_fixture.h"
#include "platform/file_time.h"
#include "settings/choice_groups.h"

using namespace qf;
using namespace qftest;
namespace fs = std::filesystem;

namespace {

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::string OkLine(const std::string& from, const std::string& to) {
    return "Copy file OK  :     From : " + from + std::string(14, ' ') + " To :  " + to + "\r\n";
}

std::string FailedLine(const std::string& from, const std::string& to) {
    return "Copy files failed  :     From : " + from + std::string(14, ' ') + " To :  " + to + "\r\n";
}

}  // namespace

TEST(SmartCopy, ThreeCopiesWithIncreasedNames) {
    CopySetup s;
    const std::string a = s.AddSource("a.txt", "alpha");
    SelectChoice(s.options, Opt::CFINCRRDBN);
    MakeDirs(s.Dest());
    for (int i = 0; i < 3; ++i) ASSERT_EQ(s.Copy(), 1);
    for (const char* name : {"a.txt", "aINC001.txt", "aINC002.txt"}) EXPECT_EQ(ReadFile(s.Dest(name)), "alpha") << name;
    EXPECT_FALSE(Exists(s.Dest("aINC003.txt")));
    // The log describes the last run only.
    const std::string log = s.Log();
    EXPECT_TRUE(Contains(log, "      Total to copy : 1\r\n      Copied files   : 1\r\n      Failed copy   : 0\r\n"));
    EXPECT_TRUE(Contains(log, OkLine(a, s.Dest("aINC002.txt"))));
    EXPECT_EQ(s.messages.Last().caption, "Copy Results!    Msg no: 0237.");
}

// Into one folder with overwriting (the defaults) a later file of the same
// name replaces an earlier one of the same run: it stays so, but is counted
// in the log and the end message. A file that was there before the run is no
// such replacement.
TEST(SmartCopy, CopiesThatReplaceAnEarlierCopyAreCounted) {
    CopySetup s;
    s.AddSource("x/a.txt", "first");
    s.AddSource("y/a.txt", "second");
    s.AddSource("z/a.txt", "third");
    s.AddSource("z/b.txt", "beta");
    WriteFile(s.Dest("b.txt"), "there before");
    ASSERT_EQ(s.Copy(), 1);
    EXPECT_EQ(ReadFile(s.Dest("a.txt")), "third");
    EXPECT_EQ(ReadFile(s.Dest("b.txt")), "beta");
    EXPECT_TRUE(Contains(s.Log(), "      Failed copy   : 0\r\n      Replaced in this run : 2\r\n\r\n\r\n"))
        << s.Log();
    EXPECT_EQ(s.messages.Last().caption, "Copy Results!    Msg no: 0237.");
    EXPECT_EQ(s.messages.Last().text.rfind("End of copy process !\n\n2 copied files replaced", 0), 0u)
        << s.messages.Last().text;

    // Separate names keep every file: nothing replaced, the usual texts unchanged.
    SelectChoice(s.options, Opt::CFINCRRDBN);
    ASSERT_EQ(s.Copy(), 1);
    EXPECT_EQ(s.messages.Last().text, "End of copy process !");
    EXPECT_FALSE(Contains(s.Log(), "Replaced"));
}

TEST(SmartCopy, IncreasedNamesRunOutAfter998Attempts) {
    CopySetup s;
    const std::string a = s.AddSource("a.txt", "alpha");
    s.AddSource("b.txt", "beta");
    SelectChoice(s.options, Opt::CFINCRRDBN);
    WriteFile(s.Dest("a.txt"), "old");
    for (int i = 1; i <= 997; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "aINC%03d.txt", i);
        WriteFile(s.Dest(name), "old");
    }
    ASSERT_EQ(s.Copy(), 1);
    EXPECT_EQ(s.Captions(), (std::vector<std::string>{"Error !    Msg no: 0238.", "Copy Results!    Msg no: 0237."}));
    EXPECT_FALSE(Exists(s.Dest("aINC998.txt")));
    EXPECT_EQ(ReadFile(s.Dest("b.txt")), "beta");  // the run goes on
    const std::string log = s.Log();
    EXPECT_TRUE(Contains(log, FailedLine(a, s.Dest("aINC997.txt"))));
    EXPECT_TRUE(Contains(log, "      Total to copy : 2\r\n      Copied files   : 1\r\n      Failed copy   : 1\r\n"));
}

TEST(SmartCopy, DestinationEqualToAResultFolderIsRefused) {
    CopySetup s;
    s.AddSource("a.txt", "alpha");
    s.options.SetText(Opt::CFSDFLEDIT, s.Src() + "/ ");  // a trailing separator and space change nothing
    s.options.SetInt(Opt::CFDELCHKBX, 1);
    EXPECT_EQ(s.Copy(), 0);
    EXPECT_EQ(s.Captions(), std::vector<std::string>{"Error !    Msg no: 0249."});
    EXPECT_EQ(s.messages.Last().text, "Result cannot be copied onto itself !!!");
    EXPECT_EQ(ReadFile(s.Src("a.txt")), "alpha");
    EXPECT_FALSE(Exists(s.LogFolder() + "/Copydefault.log"));
}

TEST(SmartCopy, ClearingADestinationThatHoldsTheSourcesIsRefused) {
    CopySetup s;
    s.AddSource("deep/a.txt", "alpha");
    s.options.SetText(Opt::CFSDFLEDIT, s.Src());
    s.options.SetInt(Opt::CFDELCHKBX, 1);
    EXPECT_EQ(s.Copy(), 0);
    EXPECT_EQ(s.Captions(), std::vector<std::string>{"Error !    Msg no: 0249."});
    EXPECT_EQ(ReadFile(s.Src("deep/a.txt")), "alpha");
}

TEST(SmartCopy, ClearingTheDestinationNeverFollowsLinks) {
    CopySetup s;
    s.AddSource("a.txt", "alpha");
    WriteFile(s.dir / "outside/keep.txt", "keep");
    WriteFile(s.Dest("old/stale.txt"), "stale");
    fs::create_directory_symlink(s.dir / "outside", s.Dest("link"));
    s.options.SetInt(Opt::CFDELCHKBX, 1);
    s.messages.ScriptAnswer(MsgAnswer::Yes);
    ASSERT_EQ(s.Copy(), 1);
    EXPECT_EQ(s.messages.Messages().front().caption, "Warning !    Msg no: 0240.");
    EXPECT_EQ(s.messages.Messages().front().text,
              "Do you want to delete all subfolders and files of the \n" + s.Dest() + "   folder ?");
    EXPECT_EQ(ReadFile(s.dir / "outside/keep.txt"), "keep");
    EXPECT_FALSE(Exists(s.Dest("old")));
    EXPECT_FALSE(Exists(s.Dest("link")));
    EXPECT_EQ(ReadFile(s.Dest("a.txt")), "alpha");
}

TEST(SmartCopy, LogOfARunThatCopiedNothing) {
    CopySetup s;
    s.AddSource("a.txt", "alpha");
    s.options.SetInt(Opt::CFRESULTSC, 0);
    s.options.SetInt(Opt::CFPDFCHECK, 1);
    MakeDirs(s.Dest());
    ASSERT_EQ(s.Copy(), 1);
    EXPECT_EQ(s.Captions(), std::vector<std::string>{"Copy Results!    Msg no: 0237."});
    EXPECT_EQ(s.messages.Last().text, "End of copy process !");
    EXPECT_EQ(s.Log(), Golden("nothing_copied.log"));
    EXPECT_EQ(s.options.Date(Opt::SERCHSTART), CopyClock());
    EXPECT_EQ(s.options.Date(Opt::SEARCHENDT), CopyClock());
}

TEST(SmartCopy, RefusalsComeInOrderAndLogNothing) {
    CopySetup s;
    s.options.SetInt(Opt::CFRESULTSC, 0);
    EXPECT_EQ(s.Copy(), 0);  // nothing chosen, and no results either
    s.options.SetInt(Opt::CFRESULTSC, 1);
    EXPECT_EQ(s.Copy(), 0);
    s.AddSource("a.txt", "alpha");
    s.options.SetText(Opt::CFSDFLEDIT, "   ");
    EXPECT_EQ(s.Copy(), 0);
    s.options.SetText(Opt::CFSDFLEDIT, s.Dest("new/deeper"));
    EXPECT_EQ(s.Copy(), 0);  // not created: the default answer is No
    EXPECT_EQ(s.Captions(), (std::vector<std::string>{"Warning !    Msg no: 0262.", "Warning !    Msg no: 0233.",
                                                      "Warning !    Msg no: 0234.", "Warning !    Msg no: 0235.",
                                                      "Error !    Msg no: 0236."}));
    EXPECT_EQ(s.messages.Messages()[3].buttons, MsgButtons::YesNo);
    EXPECT_EQ(s.messages.Messages()[3].defaultAnswer, MsgAnswer::No);
    EXPECT_FALSE(Exists(s.Dest()));
    EXPECT_FALSE(Exists(s.LogFolder() + "/Copydefault.log"));

    s.messages.ScriptAnswer(MsgAnswer::Yes);
    EXPECT_EQ(s.Copy(), 1);
    EXPECT_EQ(ReadFile(s.Dest("new/deeper/a.txt")), "alpha");
}

TEST(SmartCopy, UnwritableDestinationFailsEveryFileAndTouchesNoSource) {
    CopySetup s;
    const std::string a = s.AddSource("a.txt", "alpha");
    const std::string b = s.AddSource("b.txt", "beta");
    WriteFile(s.dir / "plain", "x");
    s.options.SetText(Opt::CFSDFLEDIT, s.dir / "plain/dest");  // can never be a folder
    s.messages.ScriptAnswer(MsgAnswer::Yes);
    ASSERT_EQ(s.Copy(), 1);
    EXPECT_EQ(s.messages.Last().caption, "Copy Results!    Msg no: 0237.");
    const std::string log = s.Log();
    EXPECT_TRUE(Contains(log, "      Total to copy : 2\r\n      Copied files   : 0\r\n      Failed copy   : 2\r\n"));
    EXPECT_TRUE(Contains(log, FailedLine(a, s.dir / "plain/dest/a.txt")));
    EXPECT_TRUE(Contains(log, FailedLine(b, s.dir / "plain/dest/b.txt")));
    EXPECT_EQ(ReadFile(a), "alpha");
    EXPECT_EQ(ReadFile(b), "beta");
}

TEST(SmartCopy, VanishedSourceIsLoggedAsFailedAndTheRunGoesOn) {
    CopySetup s;
    const std::string a = s.AddSource("a.txt", "alpha");
    const std::string b = s.AddSource("b.txt", "beta");
    fs::remove(a);
    SelectChoice(s.options, Opt::CFINCRRDBN);  // a missing source is no reason to try other names
    s.messages.ScriptAnswer(MsgAnswer::Yes);   // create the destination
    ASSERT_EQ(s.Copy(), 1);
    EXPECT_EQ(s.Captions(), (std::vector<std::string>{"Warning !    Msg no: 0235.", "Copy Results!    Msg no: 0237."}));
    const std::string log = s.Log();
    EXPECT_TRUE(Contains(log, FailedLine(a, s.Dest("a.txt"))));
    EXPECT_TRUE(Contains(log, OkLine(b, s.Dest("b.txt"))));
    EXPECT_FALSE(Exists(s.Dest("a.txt")));
    EXPECT_FALSE(Exists(s.Dest("aINC001.txt")));
}

TEST(SmartCopy, FullDiskLeavesNoPartialFileAndTheRunGoesOn) {
    CopySetup s;
    const std::string big = s.AddSource("big.txt", std::string(256 * 1024, 'b'));
    const std::string small = s.AddSource("small.txt", "small");
    MakeDirs(s.Dest());
    MakeDirs(s.LogFolder());
    // A file-size limit fails writes past 64 KiB just as a full disk does.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 64 * 1024;
    setrlimit(RLIMIT_FSIZE, &limited);
    const int copied = s.Copy();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    ASSERT_EQ(copied, 1);
    EXPECT_FALSE(Exists(s.Dest("big.txt")));
    EXPECT_EQ(ReadFile(s.Dest("small.txt")), "small");
    EXPECT_EQ(ReadFile(big).size(), 256u * 1024u);
    const std::string log = s.Log();
    EXPECT_TRUE(Contains(log, FailedLine(big, s.Dest("big.txt"))));
    for (const auto& entry : fs::directory_iterator(s.Dest()))
        EXPECT_EQ(entry.path().filename().string().find(".qfcopy-"), std::string::npos);
}

TEST(SmartCopy, OverwriteReplacesALinkInsteadOfWritingThroughIt) {
    CopySetup s;
    const std::string a = s.AddSource("a.txt", "alpha");
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(24 * 400);
    fs::last_write_time(a, old);
    WriteFile(s.dir / "victim.txt", "victim");
    MakeDirs(s.Dest());
    fs::create_symlink(s.dir / "victim.txt", s.Dest("a.txt"));
    ASSERT_EQ(s.Copy(), 1);
    EXPECT_EQ(ReadFile(s.dir / "victim.txt"), "victim");
    EXPECT_FALSE(fs::is_symlink(s.Dest("a.txt")));
    EXPECT_EQ(ReadFile(s.Dest("a.txt")), "alpha");
    EXPECT_EQ(fs::last_write_time(s.Dest("a.txt")), fs::last_write_time(a));
}

TEST(SmartCopy, ConvertedTextsGoUnderTheirCategory) {
    CopySetup s;
    WriteFile(s.Src("x.doc"), "doc");
    WriteFile(s.dir / "conv/x.doc.txt", "text");
    WriteFile(s.Src("y.pdf"), "pdf");
    WriteFile(s.dir / "conv/y.pdf.txt", "pdftext");
    AddResult(s.results, s.Src("x.doc"), s.dir / "conv/x.doc.txt", "doc");
    AddResult(s.results, s.Src("y.pdf"), s.dir / "conv/y.pdf.txt", "PDF");
    s.options.SetInt(Opt::CFWORDCHKB, 1);
    SelectChoice(s.options, Opt::CFINONEFOS);
    MakeDirs(s.Dest());
    ASSERT_EQ(s.Copy(), 1);
    EXPECT_EQ(ReadFile(JoinPath(s.Dest("-Disc"), s.Src("x.doc"))), "doc");
    EXPECT_EQ(ReadFile(JoinPath(s.Dest("-Disc-Word Converted-"), s.dir / "conv/x.doc.txt")), "text");
    EXPECT_FALSE(Exists(s.Dest("-Disc-Pdf Converted-")));  // PDF texts were not chosen
}

// A run records "txt" as every converted file's extension: the document's
// own type decides where its text goes. Office texts come with the Word box.
TEST(SmartCopy, TextsOfARunGoByTheirDocumentType) {
    CopySetup s;
    for (const char* name : {"x.doc", "y.PDF", "z.docx", "w.ods"}) {
        WriteFile(s.Src(name), "document");
        const std::string text = s.dir / ("conv/" + std::string(name) + ".txt");
        WriteFile(text, std::string("text of ") + name);
        AddResult(s.results, s.Src(name), text, "txt");
    }
    s.options.SetInt(Opt::CFRESULTSC, 0);
    s.options.SetInt(Opt::CFWORDCHKB, 1);
    SelectChoice(s.options, Opt::CFINSUBFOL);
    MakeDirs(s.Dest());
    ASSERT_EQ(s.Copy(), 1);
    EXPECT_EQ(ReadFile(s.Dest("txt-Word Converted/x.doc.txt")), "text of x.doc");
    EXPECT_EQ(ReadFile(s.Dest("txt-Office Converted/z.docx.txt")), "text of z.docx");
    EXPECT_EQ(ReadFile(s.Dest("txt-Office Converted/w.ods.txt")), "text of w.ods");
    EXPECT_FALSE(Exists(s.Dest("txt-Pdf Converted")));
}
