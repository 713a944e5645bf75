// The command line's options that work on a finished search: arranging the
// list, preview and record view, reports, statistics, copies, archives, logs.

#include <gtest/gtest.h>

#include "cli/cli_runner.h"
#include "support/test_support.h"

namespace {

using qftest::RunCli;
using qftest::WriteFile;

class CliAfterSearch : public ::testing::Test {
protected:
    CliAfterSearch() {
        WriteFile(tree / "b.txt", "one alpha\n");
        WriteFile(tree / "a.log", "first\nsecond alpha here\nthird\n");
        WriteFile(tree / "c.txt", "alpha\nalpha again\n");
    }
    std::vector<std::string> Args(std::vector<std::string> rest) const {
        std::vector<std::string> args = {"--home", home.Path(), "--no-progress", "--format", "tsv"};
        args.insert(args.end(), rest.begin(), rest.end());
        return args;
    }
    // The file names of the printed rows, in order (TSV: the header, then one row a line).
    static std::vector<std::string> RowFiles(const std::string& out) {
        std::vector<std::string> files;
        size_t start = out.find('\n') + 1;
        while (start < out.size()) {
            const size_t end = out.find('\n', start);
            const std::string line = out.substr(start, end - start);
            if (line.find(".txt") != std::string::npos || line.find(".log") != std::string::npos)
                files.push_back(line.find("a.log") != std::string::npos   ? "a.log"
                                : line.find("b.txt") != std::string::npos ? "b.txt"
                                                                          : "c.txt");
            start = end + 1;
        }
        return files;
    }
    qftest::TempDir home;
    qftest::TempDir tree;
};

TEST_F(CliAfterSearch, SortGroupAndLinesPerFileArrangeTheList) {
    auto r = RunCli(Args({"-q", "alpha", tree.Path()}));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(RowFiles(r.out), (std::vector<std::string>{"a.log", "b.txt", "c.txt", "c.txt"}));

    r = RunCli(Args({"-q", "alpha", "--sort", "File extensions", "--desc", tree.Path()}));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(RowFiles(r.out).front(), "a.log");
    EXPECT_EQ(RowFiles(r.out).back(), "a.log");

    r = RunCli(Args({"-q", "alpha", "--group", "txt", tree.Path()}));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(RowFiles(r.out), (std::vector<std::string>{"b.txt", "c.txt", "c.txt"}));

    r = RunCli(Args({"-q", "alpha", "--lines-per-file", "1", tree.Path()}));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(RowFiles(r.out), (std::vector<std::string>{"a.log", "b.txt", "c.txt"}));

    EXPECT_EQ(RunCli(Args({"-q", "alpha", "--sort", "nonsense", tree.Path()})).exitCode, 2);
}

TEST_F(CliAfterSearch, PreviewMarksHitsAndRecordViewCounts) {
    auto r = RunCli(Args({"-q", "alpha", "--preview", "1", "--record", "1", tree.Path()}));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    // Row 1 is line 2 of a.log: one line of context around it, the hit marked.
    EXPECT_NE(r.out.find("first\nsecond [[alpha]] here\nthird"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Folder Number : 1/1"), std::string::npos) << r.out;
    EXPECT_NE(RunCli(Args({"-q", "alpha", "--preview", "9", tree.Path()})).exitCode, 0);
}

TEST_F(CliAfterSearch, ReportExportStatsAndCopy) {
    const std::string report = home / "r.TXT";
    const std::string exported = home / "e.TXT";
    const std::string dest = home / "copies";
    auto r = RunCli(Args({"-q", "alpha", "--report", report, "--sections", "lines,stats", "--export", exported,
                          "--stats", "--copy-to", dest, "--layout", "types", "--yes", tree.Path()}));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string text = qftest::ReadFile(report);
    EXPECT_NE(text.find(" Total number of lines saved : "), std::string::npos);
    EXPECT_NE(text.find("\r\n"), std::string::npos);
    EXPECT_NE(qftest::ReadFile(exported).find(" , \r\n"), std::string::npos);
    EXPECT_NE(r.out.find("Txt   : Examined  2  Found  2  Not found 0"), std::string::npos) << r.out;
    EXPECT_TRUE(qftest::Exists(dest + "/txt/b.txt"));
    EXPECT_TRUE(qftest::Exists(dest + "/log/a.log"));
    EXPECT_EQ(qftest::ReadFile(tree / "b.txt"), "one alpha\n");  // sources untouched
}

TEST_F(CliAfterSearch, UnzipSearchesInsideArchivesAndLogsIt) {
    const std::string zip = tree / "pack.zip";
    const std::string cmd = "cd " + tree.Path() + " && zip -q pack.zip b.txt";
    if (std::system(cmd.c_str()) != 0) GTEST_SKIP() << "no zip command to build the archive";
    auto r = RunCli(Args({"-q", "alpha", "--unzip", "--log", "zip", tree.Path()}));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("ZIPFILE:"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("      Examined        Zip files : 1"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(" Archive file successfully opened :  :    " + zip), std::string::npos) << r.out;

    r = RunCli(Args({"-q", "alpha", "--unzip=other*.zip", "--log", "zip", tree.Path()}));
    EXPECT_NE(r.out.find("No unzipped process was performed."), std::string::npos) << r.out;
}

TEST_F(CliAfterSearch, OfficeDocumentsAreCountedAndLogged) {
    const std::string fixtures = std::string(QUILLFIND_FIXTURES) + "/documents/";
    WriteFile(tree / "sheet.xlsx", qftest::ReadFile(fixtures + "inventory-sheet.xlsx"));
    WriteFile(tree / "cut.docx", qftest::ReadFile(fixtures + "truncated.docx"));
    auto r = RunCli(Args({"-q", "needle", "--stats", "--log", "office", tree.Path()}));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("sheet.xlsx"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Pdf  docs : Found  0  Converted  0  Unconverted  0\n"
                         "Office docs : Found  2  Converted  1  Unconverted  1\n"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("Office conversion failed (damaged or truncated: not a readable ZIP package)  :    " +
                         tree / "cut.docx"),
              std::string::npos)
        << r.out;

    r = RunCli(Args({"-q", "needle", "--stats", "--set", "CONVOFFICE=0", tree.Path()}));
    ASSERT_EQ(r.exitCode, 1) << r.err;  // nothing found
    EXPECT_EQ(r.out.find("Office docs"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("sheet.xlsx"), std::string::npos) << r.out;
}

TEST_F(CliAfterSearch, BooleanQueriesAndTheirMessages) {
    auto r = RunCli(Args({"--boolean", "(alpha .AND. again)", tree.Path()}));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(RowFiles(r.out), (std::vector<std::string>{"c.txt", "c.txt"}));

    r = RunCli(Args({"--line-boolean", "(alpha .AND. .NOT. again)", tree.Path()}));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(RowFiles(r.out), (std::vector<std::string>{"a.log", "b.txt", "c.txt"}));

    r = RunCli(Args({"--boolean", "(alpha .AND. again", tree.Path()}));
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("Msg no:"), std::string::npos) << r.err;
}

TEST_F(CliAfterSearch, DescribeWithoutFoldersPrintsTheSettings) {
    auto r = RunCli(Args({"--describe", "--by-name", "-f", "*.txt"}));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("File name search only"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("TEXT options : "), std::string::npos) << r.out;
    // "By file name" leaves no query target and no query kind, as the window's radio does.
    EXPECT_EQ(r.out.find("File content search (Query text)"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("Standard Search"), std::string::npos) << r.out;
}

// A settings file saved in "By file name" mode still searches by name when a
// query is given: the query chooses "Query text in: " with file content.
TEST_F(CliAfterSearch, ByNameAndAQueryLeaveEachOtherConsistent) {
    const std::string set = home / "by-name.SET";
    ASSERT_EQ(RunCli(Args({"--by-name", "-f", "*.log", "--save-settings", set})).exitCode, 0);
    auto r = RunCli(Args({"--settings", set, tree.Path()}));
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(RowFiles(r.out), std::vector<std::string>{"a.log"});
    r = RunCli(Args({"--settings", set, "-q", "second", tree.Path()}));
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("second alpha here"), std::string::npos) << r.out;
    EXPECT_EQ(RunCli(Args({"--by-name", "-q", "alpha", tree.Path()})).exitCode, 2);  // one mode or the other
}

}  // namespace
