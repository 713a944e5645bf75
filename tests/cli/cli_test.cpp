#include <sys/stat.h>

#include <filesystem>
#include <sstream>

#include <gtest/gtest.h>

#include "cli/cli_runner.h"
#include "support/test_support.h"

namespace {

using qftest::RunCli;
using qftest::WriteFile;

class CliTest : public ::testing::Test {
protected:
    CliTest() {
        WriteFile(tree / "a.txt", "alpha beta\n\tgamma alpha\n");
        WriteFile(tree / "sub/b.txt", "nothing here\n");
    }
    // Every run gets its own home and never shows a progress line.
    std::vector<std::string> Args(std::vector<std::string> rest) const {
        std::vector<std::string> args = {"--home", home.Path(), "--no-progress"};
        args.insert(args.end(), rest.begin(), rest.end());
        return args;
    }
    qftest::TempDir home;
    qftest::TempDir tree;
};

TEST_F(CliTest, ExitStatusTellsFoundNothingAndRefused) {
    auto r = RunCli(Args({"-q", "alpha", tree.Path()}));
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find(tree / "a.txt"), std::string::npos);
    EXPECT_EQ(r.err, "");  // the end message only with --progress

    EXPECT_EQ(RunCli(Args({"-q", "omega", tree.Path()})).exitCode, 1);

    r = RunCli(Args({"-q", "alpha"}));
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, "Warning !    Msg no:0088: There is(are) no selected folder(s) !\n\n"
                     "Action: Press the Select FOLDER(s) button!\n");
    // Beside JSON output every message keeps to one line.
    r = RunCli(Args({"-q", "alpha", "--format", "json"}));
    EXPECT_EQ(r.err, "Warning !    Msg no:0088: There is(are) no selected folder(s) ! "
                     "Action: Press the Select FOLDER(s) button!\n");
    EXPECT_EQ(RunCli(Args({"--format", "xml", "-q", "alpha", tree.Path()})).exitCode, 2);
}

TEST_F(CliTest, HelpGroupsTheOptionsAndEndsWithAnExample) {
    const auto r = RunCli({"--help"});
    EXPECT_EQ(r.exitCode, 0);
    size_t at = 0;
    for (const char* heading : {"Selection:", "Query:", "Archives and documents:", "Results:", "Reports and copy:",
                                "Settings:", "Example:"}) {
        const size_t found = r.out.find(std::string("\n") + heading + "\n", at);
        ASSERT_NE(found, std::string::npos) << heading << " in order\n" << r.out;
        at = found + 1;
    }
    EXPECT_NE(r.out.find("quillfind-cli ", at), std::string::npos);
    EXPECT_NE(r.out.find("--unzip"), std::string::npos);
}

// The end-of-search sound (SEARCHENDB, on by default) rings a terminal's bell
// only when asked; stderr is a terminal here.
TEST_F(CliTest, TheBellRingsOnlyWhenAsked) {
    const std::vector<std::string> onATerminal = {"sh", "-c", "exec script -qefc \"$*\" /dev/null", "sh"};
    auto r = RunCli(Args({"-q", "alpha", tree.Path()}), onATerminal);
    ASSERT_EQ(r.exitCode, 0) << r.out << r.err;
    ASSERT_NE(r.out.find("a.txt"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find('\a'), std::string::npos);
    r = RunCli(Args({"--beep", "-q", "alpha", tree.Path()}), onATerminal);
    EXPECT_NE(r.out.find('\a'), std::string::npos);
}

TEST_F(CliTest, JsonLinesCarryFieldsAndHits) {
    const auto r = RunCli(Args({"-q", "alpha", "--format", "json", tree.Path()}));
    ASSERT_EQ(r.exitCode, 0);
    const std::string first = r.out.substr(0, r.out.find('\n'));
    EXPECT_NE(first.find("\"fullLine\": \"alpha beta\""), std::string::npos);
    EXPECT_NE(first.find("\"resultKind\": 3"), std::string::npos);
    EXPECT_NE(first.find("\"hits\": {\"alpha\": [0]}, \"hit_lengths\": {\"alpha\": [5]}"), std::string::npos);
    const std::string second = r.out.substr(first.size() + 1);
    // Tabs are removed from line texts; positions refer to the line as read.
    EXPECT_NE(second.find("\"fullLine\": \"gamma alpha\""), std::string::npos);
    EXPECT_NE(second.find("\"hits\": {\"alpha\": [7]}"), std::string::npos);
}

// A file with a byte-order mark and one in Windows-1252 give the hits of
// UTF-8 text, counted in characters, and the preview marks whole characters.
TEST_F(CliTest, FilesInOtherEncodingsGiveTheHitsOfUtf8Text) {
    const std::string fixtures = std::string(QUILLFIND_FIXTURES) + "/encodings/";
    for (const char* name : {"unicode-utf16be-bom.txt", "latin1-cp1252.txt"})
        WriteFile(tree / (std::string("enc/") + name), qftest::ReadFile(fixtures + name));
    const auto r = RunCli(Args({"-q", "\xC3\x84RGER", "--format", "json", tree / "enc"}));  // ÄRGER
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string line = "\"lineFromFirstHit\": \"\xC3\xA4rger and \xC3\x84RGER and \xC3\x84rger are one word";
    const std::string hits = "\"hits\": {\"\xC3\xA4rger\": [8, 18, 28]}";
    const size_t second = r.out.find('\n') + 1;
    for (const std::string& record : {r.out.substr(0, second), r.out.substr(second)}) {
        EXPECT_NE(record.find(line), std::string::npos) << record;
        EXPECT_NE(record.find(hits), std::string::npos) << record;
    }
    const auto preview = RunCli(Args({"-q", "CAF\xC3\x89", "-f", "unicode*", "--preview", "1", tree / "enc"}));
    EXPECT_NE(preview.out.find("Line 6: [[caf\xC3\xA9]], [[CAF\xC3\x89]] and na\xC3\xAFve"), std::string::npos)
        << preview.out;
}

TEST_F(CliTest, NonUtf8NamesBecomeBase64AndOddNamesSurvive) {
    WriteFile(tree / std::string("n\xff.txt"), "alpha");
    WriteFile(tree / "-dash \"q\".txt", "alpha");
    auto r = RunCli(Args({"-q", "alpha", "--format", "json", tree.Path()}));
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("\"fileName\": {\"bytes\": \"bv8udHh0\"}"), std::string::npos);
    EXPECT_NE(r.out.find("\"fileName\": \"-dash \\\"q\\\".txt\""), std::string::npos);

    // A folder whose name starts with a dash, after "--".
    const std::string dashed = tree / "-x";
    WriteFile(dashed + "/c.txt", "alpha");
    r = RunCli(Args({"-q", "alpha", "--format", "tsv", "--", dashed}));
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find(dashed + "/c.txt"), std::string::npos);
}

// Names and lines may hold terminal controls and line ends: the table and TSV
// show them escaped, JSON keeps them exactly (in its own escapes).
TEST_F(CliTest, ControlCharactersAreEscapedExceptInJson) {
    WriteFile(tree / "evil\x1b[2J\nname.txt", "alpha\rforged\x1b]0;title\x07\n");
    WriteFile(tree / "slashes.txt", "forged in C:\\dir\\sub as \"such\", too\n");
    WriteFile(tree / "trail.txt", "forged to end in \\\\\n");
    for (const char* format : {"table", "tsv"}) {
        const auto r = RunCli(Args({"-q", "forged", "--format", format, tree.Path()}));
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.out.find('\x1b'), std::string::npos) << format;
        EXPECT_NE(r.out.find("evil\\x1B[2J\\nname.txt"), std::string::npos) << r.out;
        EXPECT_NE(r.out.find("forged\\x1B]0;title\\x07"), std::string::npos) << r.out;
        if (std::string(format) == "tsv") {
            EXPECT_NE(r.out.find("C:\\\\dir\\\\sub as"), std::string::npos) << r.out;
            EXPECT_NE(r.out.find("end in \\\\\\\\\t"), std::string::npos) << r.out;
        }
    }
    const auto csv = RunCli(Args({"-q", "forged", "--format", "csv", tree.Path()}));
    EXPECT_NE(csv.out.find(",\"forged in C:\\dir\\sub as \"\"such\"\", too\","), std::string::npos) << csv.out;
    const auto r = RunCli(Args({"-q", "forged", "--format", "json", tree.Path()}));
    EXPECT_NE(r.out.find("\"fileName\": \"evil\\u001b[2J\\nname.txt\""), std::string::npos) << r.out;
}

// Fields are checked for bytes to escape many bytes at a time: each kind of
// byte must be escaped wherever it stands in a long line, at the start, in
// the middle or at the end of such a step.
TEST_F(CliTest, AByteToEscapeIsFoundWhereverItStands) {
    const std::vector<std::pair<std::string, std::string>> kinds = {
        {"\x01", "\\x01"}, {"\x1f", "\\x1F"}, {"\x7f", "\\x7F"}, {"\\", "\\\\"},
        {"\xc2\x85", "\\xC2\\x85"}, {"\xc3\xa9", "\xc3\xa9"}};
    for (size_t kind = 0; kind < kinds.size(); ++kind) {
        std::string text;
        for (size_t at = 0; at <= 40; ++at)
            text += "forged " + std::string(at, 'a') + kinds[kind].first + std::string(40 - at, 'b') + "\n";
        WriteFile(tree / ("kind" + std::to_string(kind) + ".txt"), text);
    }
    const auto r = RunCli(Args({"-q", "forged", "--format", "tsv", tree.Path()}));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    for (const auto& [byte, escaped] : kinds)
        for (size_t at = 0; at <= 40; ++at) {
            const std::string line = "forged " + std::string(at, 'a') + escaped + std::string(40 - at, 'b');
            EXPECT_NE(r.out.find("\t" + line + "\t"), std::string::npos) << escaped << " after " << at << " bytes";
        }
}

TEST_F(CliTest, ByNameFilesExcludeAndNoSubfolders) {
    auto r = RunCli(Args({"--by-name", "-f", "*.txt", "--format", "csv", tree.Path()}));
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find(tree / "sub/b.txt"), std::string::npos);
    r = RunCli(Args({"--by-name", "-f", "*.txt", "--no-subfolders", "--format", "csv", tree.Path()}));
    EXPECT_EQ(r.out.find(tree / "sub/b.txt"), std::string::npos);
    r = RunCli(Args({"--by-name", "-f", "*.txt", "--exclude-dir", tree / "sub", tree.Path()}));
    EXPECT_EQ(r.out.find("b.txt"), std::string::npos);
    r = RunCli(Args({"--by-name", "-f", "*.txt", "--set", "IGNDIRECTS=" + (tree / "sub"), tree.Path()}));
    EXPECT_EQ(r.out.find("b.txt"), std::string::npos);
    EXPECT_NE(r.out.find("a.txt"), std::string::npos);
}

TEST_F(CliTest, MaxLinesAndTheEndMessageWithProgress) {
    for (int i = 0; i < 8; ++i) WriteFile(tree / ("m" + std::to_string(i) + ".txt"), "alpha\n");
    const auto r = RunCli(
        {"--home", home.Path(), "--progress", "-q", "alpha", "--max-lines", "5", "--format", "tsv", tree.Path()});
    EXPECT_EQ(r.exitCode, 0);
    size_t lines = 0;
    for (char c : r.out) lines += c == '\n';
    EXPECT_EQ(lines, 1u + 5u);  // header and five records
    EXPECT_NE(r.err.find("Information    Msg no: 0051.: Search stopped !!! \n\nThe program reached the user "
                         "defined display limit of:\n\n5 line"),
              std::string::npos) << r.err;
}

TEST_F(CliTest, SettingsFilesSaveLoadAndRefuseDamage) {
    const std::string set = home / "no-sub.SET";
    auto r = RunCli(Args({"--set", "SUBFOLDERS=0", "--save-settings", set}));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    r = RunCli(Args({"--settings", set, "-q", "here", tree.Path()}));
    EXPECT_EQ(r.exitCode, 1);  // "here" is only in the subfolder

    WriteFile(home / "bad.SET", "this is not a settings file");
    r = RunCli(Args({"--settings", home / "bad.SET", "-q", "alpha", tree.Path()}));
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("Msg no"), std::string::npos);

    EXPECT_EQ(RunCli(Args({"--set", "NOSUCHKEY=1", "-q", "alpha", tree.Path()})).exitCode, 2);
}

TEST_F(CliTest, ThreadsReachTheSettingsAndLeaveTheOutputAsItIs) {
    // Enough rows that the printing is cut into parts; some need escaping.
    for (int i = 0; i < 700; ++i) WriteFile(tree / ("many/f" + std::to_string(i) + ".txt"), "alpha\nbeta\\alpha\n");
    const auto one = RunCli(Args({"--threads", "1", "--stats", "--format", "tsv", "-q", "alpha", tree.Path()}));
    ASSERT_EQ(one.exitCode, 0) << one.err;
    const auto eight = RunCli(Args({"--threads", "8", "--stats", "--format", "tsv", "-q", "alpha", tree.Path()}));
    EXPECT_EQ(eight.exitCode, 0);
    // The statistics end with the run's own start and end times, and the
    // first run's reading may move the files' access times on a minute.
    const auto withoutTimes = [](const std::string& out) {
        std::string kept;
        std::istringstream lines(out.substr(0, out.find("Search started at")));
        for (std::string line; std::getline(lines, line);) {
            size_t field = line.find('\t');
            for (int i = 1; i < 15 && field != std::string::npos; ++i) field = line.find('\t', field + 1);
            const size_t end = field == std::string::npos ? field : line.find('\t', field + 1);
            if (end != std::string::npos) line.erase(field, end - field);  // lastAccessTime, the 16th field
            kept += line + '\n';
        }
        return kept;
    };
    EXPECT_EQ(withoutTimes(eight.out), withoutTimes(one.out));

    const std::string set = home / "threads.SET";
    ASSERT_EQ(RunCli(Args({"--threads", "3", "--save-settings", set})).exitCode, 0);
    const auto described = RunCli(Args({"--settings", set, "--describe"}));
    EXPECT_NE(described.out.find("Threads for reading files"), std::string::npos) << described.out;
    EXPECT_EQ(RunCli(Args({"--threads", "65", "-q", "alpha", tree.Path()})).exitCode, 2);
}

// What cannot be read is told on stderr and counted; the rest is searched.
// An unreadable folder that was chosen makes the exit status 2.
TEST_F(CliTest, UnreadableFilesAndFoldersAsAnUnprivilegedUser) {
    WriteFile(tree / "locked/secret.txt", "alpha");
    WriteFile(tree / "open/visible.txt", "alpha");
    WriteFile(tree / "open/private.txt", "alpha");
    WriteFile(tree / "shut/inside.txt", "alpha");
    std::filesystem::permissions(tree.Path(), std::filesystem::perms(0755));
    std::filesystem::permissions(tree / "locked", std::filesystem::perms(0700));
    std::filesystem::permissions(tree / "open/private.txt", std::filesystem::perms(0600));
    std::filesystem::permissions(tree / "shut", std::filesystem::perms(0711));  // may enter, not list
    qftest::TempDir nobodyHome;
    std::filesystem::permissions(nobodyHome.Path(), std::filesystem::perms(0777));
    const std::vector<std::string> asNobody = {"setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"};
    auto r = RunCli({"--home", nobodyHome.Path(), "--no-progress", "-q", "alpha", "--stats", tree.Path()}, asNobody);
    ASSERT_NE(r.exitCode, -1) << r.err;
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("visible.txt"), std::string::npos);
    EXPECT_EQ(r.out.find("secret.txt"), std::string::npos);
    EXPECT_NE(r.err.find("cannot read " + (tree / "locked") + ": Permission denied\n"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("cannot read " + (tree / "shut") + ": Permission denied\n"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("cannot read " + (tree / "open/private.txt") + ": Permission denied\n"), std::string::npos)
        << r.err;
    EXPECT_NE(r.out.find("\nUnreadable : Files  1  Folders  2\n"), std::string::npos) << r.out;

    r = RunCli({"--home", nobodyHome.Path(), "--no-progress", "-q", "alpha", tree / "locked", tree / "open"}, asNobody);
    EXPECT_EQ(r.exitCode, 2) << r.err;
    EXPECT_NE(r.out.find("visible.txt"), std::string::npos);  // the other folder is still searched
    EXPECT_NE(r.err.find("cannot read " + (tree / "locked") + ": Permission denied\n"), std::string::npos) << r.err;
}

// A folder argument that is missing or no folder is named, the others are
// searched, and the exit status is 2; with no folder left nothing runs.
TEST_F(CliTest, MissingOrNonFolderArgumentsAreNamed) {
    auto r = RunCli(Args({"-q", "alpha", tree / "nowhere", tree / "a.txt", tree.Path()}));
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.out.find(tree / "a.txt"), std::string::npos);
    EXPECT_EQ(r.err, "cannot search " + (tree / "nowhere") + ": No such file or directory\n"
                     "cannot search " + (tree / "a.txt") + ": Not a directory\n");
    r = RunCli(Args({"-q", "alpha", tree / "nowhere"}));
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "");
}

// The per-file line limit cuts a file; the run says how many were cut.
TEST_F(CliTest, FilesCutAtTheLineLimitAreTold) {
    WriteFile(tree / "long.txt", "alpha\nalpha\nalpha\n");
    const auto r = RunCli(Args({"-q", "alpha", "--per-file", "1", "--stats", tree.Path()}));
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.err.find("2 files reached the Line/File limit; their later lines were not read\n"),
              std::string::npos) << r.err;
    EXPECT_NE(r.out.find("\nLine/File limit reached : Files  2\n"), std::string::npos) << r.out;
}

}  // namespace

namespace {

TEST_F(CliTest, RegexTermsMatchPatternsAndABadOneIsRefused) {
    auto r = RunCli(Args({"-e", "-q", "^\\s+g[a-z]+", tree.Path()}));
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("gamma alpha"), std::string::npos);
    EXPECT_EQ(r.out.find("alpha beta"), std::string::npos);
    r = RunCli(Args({"--regex", "-q", "alpha [unclosed", tree.Path()}));
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, "Warning !    Msg no: 1040.: The term is not a valid regular expression : [unclosed\n"
                     "missing terminating ] for character class (at offset 9)\n\n"
                     "Action : Correct the term, or uncheck \"Terms are regular expressions\".\n");
}

// A pattern's hit is its match: the JSON gives its length and the preview
// marks it whole.
TEST_F(CliTest, RegexHitsCarryTheLengthOfTheirMatch) {
    WriteFile(tree / "r/r.txt", "\xC3\xA9 allllpha and alpha\n");
    auto r = RunCli(Args({"-e", "-q", "AL+PHA", "--format", "json", tree / "r"}));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("\"hits\": {\"al+pha\": [2, 15]}, \"hit_lengths\": {\"al+pha\": [8, 5]}"), std::string::npos)
        << r.out;
    r = RunCli(Args({"-e", "-q", "al+pha", "--preview", "1", tree / "r"}));
    EXPECT_NE(r.out.find("[[allllpha]] and [[alpha]]"), std::string::npos) << r.out;
}

}  // namespace
