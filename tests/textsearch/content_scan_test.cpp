#include <gtest/gtest.h>

#include "platform/file_info.h"
#include "scan_fixture.h"

using qf::Opt;

namespace {

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& l : lines) text += l + "\n";
    return text;
}

std::string Repeat(const std::string& line, int count) { return Lines(std::vector<std::string>(size_t(count), line)); }

std::vector<int32_t> RecordLines(const qf::RESULT_LIST& list) {
    std::vector<int32_t> numbers;
    for (const auto& r : list) numbers.push_back(r.lineNumberValue);
    return numbers;
}

using LineNos = std::vector<uint32_t>;

}  // namespace

class ReadingLines : public ScanFixture {};

TEST_F(ReadingLines, SplitsAtLfDropsCrAndKeepsALastLineWithoutLf) {
    terms = {"x"};
    const auto lines = Scan("x one\r\nnone\r\nx\r\r\nlast x");
    EXPECT_EQ(Numbers(lines), (LineNos{1, 3, 4}));
    EXPECT_EQ(lines.at(1).sLineText, "x one");
    EXPECT_EQ(lines.at(3).sLineText, "x\r");  // only the CR before the LF is a line end
    EXPECT_EQ(lines.at(4).sLineText, "last x");
}

TEST_F(ReadingLines, AnEmptyFileIsOneEmptyLineUnlessAStartConditionIsSet) {
    UseBoolean(".NOT. ( a )", Opt::MICROBOOLR);
    const auto lines = Scan("");
    ASSERT_EQ(Numbers(lines), (LineNos{1}));
    EXPECT_EQ(lines.at(1).sLineText, "");
    EXPECT_TRUE(lines.at(1).mapTermPositions.empty());

    options.SetInt(Opt::STARTCHECK, 1);
    options.SetInt(Opt::STARTLNRAD, 1);
    EXPECT_TRUE(Scan("").empty());
}

TEST_F(ReadingLines, LineNumbersStayTrueAcrossBuffersAndLongLines) {
    terms = {"needle"};
    std::string text;
    for (int i = 1; i <= 60000; ++i) text += (i == 7 || i == 31000 || i == 60000) ? "a NEEDLE here\n" : "plain line " + std::to_string(i) + "\n";
    const std::string longLine = std::string(600 * 1024, 'y') + "needle";
    text += longLine;  // line 60001, longer than one read block, no LF
    const auto lines = Scan(text);
    EXPECT_EQ(Numbers(lines), (LineNos{7, 31000, 60000, 60001}));
    EXPECT_EQ(lines.at(60001).sLineText, longLine);
    EXPECT_EQ(lines.at(60001).mapTermPositions.at("needle").front(), int32_t(600 * 1024));
}

TEST_F(ReadingLines, CaseFoldingFollowsCaseSensitivity) {
    terms = {"ABC"};
    EXPECT_EQ(Numbers(Scan(Lines({"abc", "Abc", "ABC", "x"}))), (LineNos{1, 2, 3}));
    options.SetInt(Opt::CASESENSIT, 1);
    EXPECT_EQ(Numbers(Scan(Lines({"abc", "Abc", "ABC", "x"}))), (LineNos{3}));
}

class StartAndStop : public ScanFixture {
protected:
    void StartAtLine(int n) {
        options.SetInt(Opt::STARTCHECK, 1);
        options.SetInt(Opt::STARTLNRAD, 1);
        options.SetInt(Opt::STARTLNUMB, n);
    }
    void StartAtTerm(const std::string& t) {
        options.SetInt(Opt::STARTCHECK, 1);
        options.SetInt(Opt::STARTTRADO, 1);
        options.SetText(Opt::STARTETRMS, t);
    }
    void StopAtLine(int n) {
        options.SetInt(Opt::CLINENUMBR, 1);
        options.SetInt(Opt::LINENRADIO, 1);
        options.SetInt(Opt::EDITLNUMBR, n);
    }
    void StopAtTerm(const std::string& t) {
        options.SetInt(Opt::CLINENUMBR, 1);
        options.SetInt(Opt::TERMSRADIO, 1);
        options.SetText(Opt::EDITSTERMS, t);
    }
};

TEST_F(StartAndStop, StartLineSkipsEarlierLinesAndKeepsTrueNumbers) {
    terms = {"a"};
    StartAtLine(5);
    EXPECT_EQ(Numbers(Scan(Repeat("a", 7))), (LineNos{5, 6, 7}));
    StartAtLine(3);
    EXPECT_EQ(Numbers(Scan("a\na\na")), (LineNos{3}));  // the last line, without LF
    StartAtLine(4);
    EXPECT_TRUE(Scan("a\na\na\n").empty());
}

TEST_F(StartAndStop, StartLineBeyondTheFileReportsANotContainingFile) {
    terms = {"a"};
    options.Choose({Opt::CKALLWORDS, Opt::CKANYWORDS, Opt::NOTCONTAIN}, Opt::NOTCONTAIN);
    StartAtLine(9);
    const auto list = Search(Repeat("a", 3));
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].resultKind, 7);
}

TEST_F(StartAndStop, StartTermBeginsTheScanAndItsLineIsDroppedWhenHitsLieBefore) {
    terms = {"a"};
    StartAtTerm("BEGIN");
    EXPECT_TRUE(Scan(Lines({"a", "a", "x"})).empty());  // start term nowhere
    EXPECT_EQ(Numbers(Scan(Lines({"a", "a begin", "a"}))), (LineNos{3}));
    EXPECT_EQ(Numbers(Scan(Lines({"a", "begin a", "a"}))), (LineNos{2, 3}));
    // A phrase in the field is searched without its marks.
    StartAtTerm("\"go on\"");
    EXPECT_EQ(Numbers(Scan(Lines({"a", "go on", "a"}))), (LineNos{3}));
}

TEST_F(StartAndStop, StopLineIsExaminedAndNothingAfterIt) {
    terms = {"a"};
    StopAtLine(10);
    EXPECT_EQ(Scan(Repeat("a", 12)).rbegin()->first, 10u);
    // Lines without terms are passed over quickly, but never past the stop line.
    EXPECT_EQ(Numbers(Scan(Repeat("x", 9) + Lines({"a", "a", "a"}))), (LineNos{10}));
}

TEST_F(StartAndStop, StopTermKeepsTheLineOnlyWhenItsHitsComeFirst) {
    terms = {"a"};
    StopAtTerm("stop");
    EXPECT_EQ(Numbers(Scan(Lines({"a", "x", "a stop", "a"}))), (LineNos{1, 3}));
    EXPECT_EQ(Numbers(Scan(Lines({"a", "x", "stop a", "a"}))), (LineNos{1}));
    StopAtTerm("   ");  // blank-only: no stop term at all
    EXPECT_EQ(Numbers(Scan(Lines({"a b", "a c"}))), (LineNos{1, 2}));
}

TEST_F(StartAndStop, StopTermPlacementWithAllTermsInOneLine) {
    terms = {"a", "b"};
    options.SetInt(Opt::ALLINONECH, 1);
    options.SetInt(Opt::INANYORDER, 1);
    StopAtTerm("stop");
    EXPECT_EQ(Numbers(Scan(Lines({"a b stop"}))), (LineNos{1}));
    EXPECT_TRUE(Scan(Lines({"a stop b"})).empty());
    options.SetInt(Opt::ALLINONECH, 0);
    EXPECT_EQ(Numbers(Scan(Lines({"a stop b"}))), (LineNos{1}));
}

class Limits : public ScanFixture {};

TEST_F(Limits, PerFileLimitEndsTheFileAndTheFileRuleSeesOnlyThoseLines) {
    terms = {"a", "b"};
    options.SetInt(Opt::RESLINENUM, 2);
    EXPECT_EQ(Numbers(Scan(Repeat("a", 5))), (LineNos{1, 2}));
    EXPECT_TRUE(Search(Repeat("a", 5) + "b\n").empty());
}

// A file cut at the per-file limit with lines still unread is counted; one
// that ends at its last allowed hit line is not.
TEST_F(Limits, FilesCutAtThePerFileLimitAreCounted) {
    terms = {"a"};
    options.SetInt(Opt::RESLINENUM, 2);
    Search(Repeat("a", 2));
    Search("a\nx\na", "no-line-end.txt");
    EXPECT_EQ(statistics.lineLimitFiles.load(), 0u);
    Search(Repeat("a", 2) + "x", "one-more.txt");
    Search(Repeat("a", 5), "many.txt");
    EXPECT_EQ(statistics.lineLimitFiles.load(), 2u);
}

TEST_F(Limits, RunLimitBoundsTheLinesKeptAndStopsTheRunBeforeRecording) {
    terms = {"a"};
    counters.nResultLines = 9990;
    EXPECT_EQ(Search(Repeat("a", 20)).size(), 10u);
    EXPECT_EQ(counters.nResultLines.load(), 10000);
    EXPECT_EQ(counters.nResultFiles.load(), 1);
    EXPECT_EQ(stopSearch.load(), 0);

    Search(Repeat("a", 3), "second.txt");
    EXPECT_EQ(stopSearch.load(), 1);
    EXPECT_EQ(results.Size(), 10u);
    EXPECT_EQ(counters.nResultFiles.load(), 1);
}

class CommentRules : public ScanFixture {
protected:
    CommentRules() {
        options.SetInt(Opt::CHECKCOMMT, 1);
        options.SetInt(Opt::INCCOMCHAR, 1);
    }
};

TEST_F(CommentRules, HidingCommentedHitsKeepsOnlyTheTermsOutsideTheComment) {
    terms = {"A", "B"};
    options.SetInt(Opt::NOTSHCMMNT, 1);
    const auto lines = Scan("x = A; // B\n");
    ASSERT_EQ(Numbers(lines), (LineNos{1}));
    EXPECT_EQ(lines.at(1).mapTermPositions.count("a"), 1u);
    EXPECT_EQ(lines.at(1).mapTermPositions.count("b"), 0u);
}

TEST_F(CommentRules, TheClassComesFromTheFirstCommentStringInStringOrder) {
    terms = {"c"};
    // "#" sorts before "//": "#" comes after the hit (class 2), although "//" is leftmost.
    options.SetInt(Opt::ONLYSCMMNT, 1);
    EXPECT_TRUE(Scan("x // c # y\n").empty());
    options.SetInt(Opt::ONLYSCMMNT, 0);
    options.SetInt(Opt::NOTSHCMMNT, 1);
    EXPECT_EQ(Numbers(Scan("x // c # y\n")), (LineNos{1}));
}

TEST_F(CommentRules, BothSidesAndTheSingleCommentString) {
    terms = {"a"};
    options.SetInt(Opt::BOTHCMMNTS, 1);
    EXPECT_EQ(Numbers(Scan(Lines({"a // a", "a // x", "x // a"}))), (LineNos{1}));
    options.SetInt(Opt::INCCOMCHAR, 0);
    options.SetInt(Opt::ONECOMCHAR, 1);
    options.SetText(Opt::SELONECHAR, "--");
    EXPECT_EQ(Numbers(Scan(Lines({"a -- a", "a // a"}))), (LineNos{1}));
}

class StandardQueryScan : public ScanFixture {};

TEST_F(StandardQueryScan, AllTermsAnywhereInTheFileReportsEveryHitLine) {
    terms = {"a", "b"};
    std::vector<std::string> text(10, "x");
    text[2] = "a";
    text[8] = "b";
    EXPECT_EQ(RecordLines(Search(Lines(text))), (std::vector<int32_t>{3, 9}));

    options.SetInt(Opt::ALLINONECH, 1);
    options.SetInt(Opt::INANYORDER, 1);
    results.Clear();
    EXPECT_TRUE(Search(Lines(text), "f2.txt").empty());
    text[5] = "b a";
    EXPECT_EQ(RecordLines(Search(Lines(text), "f3.txt")), (std::vector<int32_t>{6}));
}

TEST_F(StandardQueryScan, GivenOrderAndRepeatedTerms) {
    terms = {"b", "a"};
    options.SetInt(Opt::ALLINONECH, 1);
    options.SetInt(Opt::INGIVORDER, 1);
    EXPECT_EQ(Numbers(Scan(Lines({"a b a", "a b"}))), (LineNos{1}));
    terms = {"a", "a"};
    options.SetInt(Opt::ALLINONECH, 0);
    EXPECT_TRUE(Search(Lines({"a", "a a"})).empty());
}

TEST_F(StandardQueryScan, AFileThatDoesNotOpenIsAFileWithoutTheTerms) {
    terms = {"a"};
    options.Choose({Opt::CKALLWORDS, Opt::CKANYWORDS, Opt::NOTCONTAIN}, Opt::NOTCONTAIN);
    SearchEntry(Entry("missing.txt"));
    ASSERT_EQ(results.Size(), 1u);
    EXPECT_EQ(results.Row(0).resultKind, 7);
    EXPECT_TRUE(Search("a\n", "has.txt").size() == 1u);  // no new record for a file with the term
}

class BooleanScan : public ScanFixture {};

TEST_F(BooleanScan, FileRuleOverAllHitLines) {
    UseBoolean("( a .AND. b )");
    std::vector<std::string> text(80, "x");
    text[1] = "a";
    text[69] = "b";
    EXPECT_EQ(RecordLines(Search(Lines(text))), (std::vector<int32_t>{2, 70}));
    options.SetInt(Opt::RESLINENUM, 1);
    EXPECT_EQ(Search(Lines(text), "f2.txt").size(), 2u);  // no new records
}

TEST_F(BooleanScan, NegatedQueriesGiveWholeFileOrLineRecords) {
    UseBoolean(".NOT. ( a )");
    auto list = Search(Lines({"x", "y"}));
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].resultKind, 7);
    results.Clear();
    UseBoolean("( a .AND. .NOT. b )");
    list = Search(Lines({"a", "x", "a"}), "f2.txt");
    EXPECT_EQ(RecordLines(list), (std::vector<int32_t>{1, 3}));
    EXPECT_EQ(list[0].resultKind, 3);
}

TEST_F(BooleanScan, LineBooleanJudgesEachLine) {
    UseBoolean("( a .AND. b )", Opt::MICROBOOLR);
    EXPECT_TRUE(Search(Lines({"a", "b"})).empty());
    EXPECT_EQ(RecordLines(Search(Lines({"a", "a b", "b"}), "f2.txt")), (std::vector<int32_t>{2}));
}

TEST_F(BooleanScan, LineBooleanIgnoresAllInOneLineAndHonoursComments) {
    UseBoolean("( a .OR. b )", Opt::MICROBOOLR);
    options.SetInt(Opt::ALLINONECH, 1);
    EXPECT_EQ(Numbers(Scan(Lines({"a", "x"}))), (LineNos{1}));

    UseBoolean("( a .OR. .NOT. b )", Opt::MICROBOOLR);
    options.SetInt(Opt::CHECKCOMMT, 1);
    options.SetInt(Opt::INCCOMCHAR, 1);
    options.SetInt(Opt::NOTSHCMMNT, 1);
    EXPECT_EQ(Numbers(Scan(Lines({"x // b", "b", "a b"}))), (LineNos{1, 3}));
}

TEST_F(BooleanScan, LineBooleanNegationStopsAtThePerFileLimitAndStartLine) {
    UseBoolean(".NOT. ( a )", Opt::MICROBOOLR);
    EXPECT_EQ(Scan(Repeat("x", 150)).size(), 100u);
    options.SetInt(Opt::STARTCHECK, 1);
    options.SetInt(Opt::STARTLNRAD, 1);
    options.SetInt(Opt::STARTLNUMB, 10);
    EXPECT_EQ(Scan(Repeat("x", 12)).begin()->first, 10u);
}

// A line longer than the cap is judged whole by the line Boolean query too:
// terms far apart in it count together, and a line without any term still
// qualifies under a negation.
TEST_F(BooleanScan, LineBooleanJudgesLinesLongerThanTheCapWhole) {
    lineCap = 32;
    const std::string filler(100, '-');
    UseBoolean("( alpha .AND. .NOT. beta )", Opt::MICROBOOLR);
    const auto lines = Scan(Lines({"alpha " + filler + " beta", "alpha " + filler, filler + " alpha", "beta"}));
    ASSERT_EQ(Numbers(lines), (LineNos{2, 3}));
    EXPECT_EQ(lines.at(2).sLineText, ("alpha " + filler).substr(0, 32) + " [line cut at 32 bytes]");
    EXPECT_EQ(lines.at(2).mapTermPositions.at("alpha"), (qf::DEQUE_POSITIONS_IN_LINE{0}));
    EXPECT_TRUE(lines.at(3).mapTermPositions.at("alpha").empty());  // found beyond the kept text

    UseBoolean(".NOT. ( zeta )", Opt::MICROBOOLR);
    EXPECT_EQ(Numbers(Scan(filler)), (LineNos{1}));
}

class SearchFileContentSteps : public ScanFixture {};

namespace {
struct RecordingObserver : qf::SearchObserver {
    void StatusText(const std::string& t) override { texts.push_back(t); }
    void CurrentName(const std::string& n) override { names.push_back(n); }
    std::vector<std::string> texts;
    std::vector<std::string> names;
};
}  // namespace

TEST_F(SearchFileContentSteps, ANameResultIsRecordedAsItIsWithoutReading) {
    RecordingObserver watcher;
    auto entry = Entry("abc.txt");  // not on disk: it is not read
    entry.resultKind = 2;
    entry.nameHits[1] = {"abc", {{"abc", {0}}}};
    const qf::QueryContext query = qf::MakeQueryContext(options, terms, &boolean);
    qf::ContentScanContext context{query, results, counters, stopSearch, stopRequest, watcher};
    qf::SearchFileContent(context, entry);
    ASSERT_EQ(results.Size(), 1u);
    EXPECT_EQ(results.Row(0).resultKind, 2);
    EXPECT_EQ(counters.nResultLines.load(), 1);
    EXPECT_EQ(counters.nResultFiles.load(), 1);
    EXPECT_TRUE(watcher.texts.empty());

    terms = {"q"};
    qftest::WriteFile(dir / "read.txt", "q\n");
    const qf::QueryContext query2 = qf::MakeQueryContext(options, terms, &boolean);
    qf::ContentScanContext context2{query2, results, counters, stopSearch, stopRequest, watcher};
    int examined = 0;
    context2.fileExamined = [&](const qf::tagSelectedFileFolderStruct&, bool found) { examined += found ? 1 : 100; };
    qf::SearchFileContent(context2, Entry("read.txt"));
    EXPECT_EQ(watcher.texts, (std::vector<std::string>{"Searching ..."}));
    EXPECT_EQ(watcher.names, (std::vector<std::string>{dir / "read.txt"}));
    EXPECT_EQ(examined, 1);
}

TEST_F(SearchFileContentSteps, StopFlagsFollowTheStopRequest) {
    terms = {"a"};
    stopSearch = 1;
    Search("a\n");
    EXPECT_EQ(stopSearch.load(), 0);
    stopRequest = 1;
    EXPECT_TRUE(Scan("a\na\n").empty());
    Search("a\n", "f2.txt");
    EXPECT_EQ(stopSearch.load(), 1);
}

TEST_F(SearchFileContentSteps, RestoresTheTimesRecordedAtSelection) {
    terms = {"a"};
    qftest::WriteFile(dir / "t.txt", "a\n");
    auto entry = Entry("t.txt");
    ASSERT_TRUE(qf::GetFindData(entry.fullPath, entry.findData));
    const qf::FILETIME old = qf::FILETIME::FromValue(126000000000000000ull);  // 2000
    entry.findData.ftLastWriteTime = old;
    entry.findData.ftLastAccessTime = old;
    options.SetInt(Opt::RESTORETIM, 1);
    SearchEntry(entry);
    qf::WIN32_FIND_DATAA after;
    ASSERT_TRUE(qf::GetFindData(entry.fullPath, after));
    EXPECT_EQ(after.ftLastWriteTime, old);
}
