#include <gtest/gtest.h>

#include "scan_fixture.h"
#include "settings/search_start.h"
#include "textsearch/query_checks.h"
#include "textsearch/regex_terms.h"
#include "textsearch/standard_query.h"

using qf::Opt;

namespace {

using LineNos = std::vector<uint32_t>;

class RegexScan : public ScanFixture {
protected:
    RegexScan() { options.SetInt(Opt::REGEXTERMS, 1); }

    std::vector<int32_t> Positions(const qf::MAP_LINES_WITH_HITS& lines, uint32_t line, const std::string& term) {
        const auto& map = lines.at(line).mapTermPositions;
        const auto it = map.find(term);
        return it == map.end() ? std::vector<int32_t>{} : std::vector<int32_t>(it->second.begin(), it->second.end());
    }
    std::vector<int32_t> Lengths(const qf::MAP_LINES_WITH_HITS& lines, uint32_t line, const std::string& term) {
        const auto& map = lines.at(line).mapTermLengths;
        const auto it = map.find(term);
        return it == map.end() ? std::vector<int32_t>{} : std::vector<int32_t>(it->second.begin(), it->second.end());
    }
};

TEST_F(RegexScan, AnchorsHoldAtTheLineAndClassesMatchCharacters) {
    terms = {"^ab"};
    EXPECT_EQ(Numbers(Scan("ab one\nx ab\nabab\n")), (LineNos{1, 3}));
    terms = {"end$"};
    EXPECT_EQ(Numbers(Scan("the end\nend here\nrear end\r\n")), (LineNos{1, 3}));
    // A hit is where each match starts, counted in characters; matches do not overlap.
    terms = {"[0-9]{2}-\\d+"};
    const auto lines = Scan("é 12-345 and 67-8, 9-1\nno digits\n");
    EXPECT_EQ(Numbers(lines), (LineNos{1}));
    EXPECT_EQ(Positions(lines, 1, "[0-9]{2}-\\d+"), (std::vector<int32_t>{2, 13}));
}

TEST_F(RegexScan, CaselessMatchingIsUnicodeAwareAndCaseCanBeExact) {
    terms = {"Ärger\\w*", "[a-z]+ß"};
    auto lines = Scan("kein ÄRGERNIS\nvoll ärger\nGROẞ\nargern\n");
    EXPECT_EQ(Numbers(lines), (LineNos{1, 2, 3}));
    EXPECT_EQ(Positions(lines, 3, "[a-z]+ß"), (std::vector<int32_t>{0}));
    options.SetInt(Opt::CASESENSIT, 1);
    EXPECT_EQ(Numbers(Scan("kein ÄRGERNIS\nvoll Ärger\nGROẞ\n")), (LineNos{2}));
}

// Lines and patterns are passed over by the literal each pattern requires,
// in the comparison form: a character that folds to it still counts.
TEST_F(RegexScan, ThePatternsOfALineAreTriedWhereTheirLiteralIs) {
    terms = {"EINVAL[A-Z_]*", "kelvin\\d"};
    auto lines = Scan("no einval_x here\n\xE2\x84\xAA" "ELVIN1 and EINVALS\nkelvin2\nnothing\n");  // K sign
    EXPECT_EQ(Numbers(lines), (LineNos{1, 2, 3}));
    EXPECT_EQ(lines.at(2).mapTermPositions.size(), 2u);
    EXPECT_EQ(Lengths(lines, 2, "kelvin\\d"), (std::vector<int32_t>{7}));
    options.SetInt(Opt::CASESENSIT, 1);
    EXPECT_EQ(Numbers(Scan("einval\nEINVAL_A kelvin\nKELVIN3 kelvin4\n")), (LineNos{2, 3}));
}

TEST_F(RegexScan, WholeWordsLookAroundTheMatchAlsoAtTheLineEdges) {
    options.Choose({Opt::ALLWORDPRT, Opt::WHOLEWORDS, Opt::PARTSWORDS}, Opt::WHOLEWORDS);
    terms = {"ab+"};
    const auto lines = Scan("abbb starts\nends with abb\nabab\nxab (ab)\nab\n");
    EXPECT_EQ(Numbers(lines), (LineNos{1, 2, 4, 5}));
    EXPECT_EQ(Positions(lines, 4, "ab+"), (std::vector<int32_t>{5}));
    options.Choose({Opt::ALLWORDPRT, Opt::WHOLEWORDS, Opt::PARTSWORDS}, Opt::PARTSWORDS);
    EXPECT_EQ(Numbers(Scan("abbb starts\nabab\n")), (LineNos{2}));
}

TEST_F(RegexScan, AlternationIsOneArgumentOfABooleanQuery) {
    UseBoolean("( cat|dog .AND. .NOT. \"fi(sh|ns)\" )", Opt::MICROBOOLR);
    EXPECT_EQ(Numbers(Scan("a cat\na dog and fish\ndogfins\nbird\nhotdog\n")), (LineNos{1, 5}));
    UseBoolean("( \"red (car|bus)\" .OR. ^zz )");
    EXPECT_EQ(Numbers(Scan("a red bus\nzz top\nred bike\n")), (LineNos{1, 2}));
}

TEST_F(RegexScan, ARunawayPatternGivesUpItsLineAndTheScanGoesOn) {
    terms = {"(a+)+$"};
    const std::string runaway = std::string(5000, 'a') + "b";
    EXPECT_EQ(Numbers(Scan("aaa\n" + runaway + "\nxaa\n")), (LineNos{1, 3}));
    EXPECT_EQ(statistics.regexLimitLines.load(), 1u);
}

TEST_F(RegexScan, LongLinesFindMatchesAcrossPiecesAndAnchorsAtTheLineEdges) {
    lineCap = 16384;
    terms = {"needle-[0-9]+-end", "^start", "finish$"};
    std::string line = "start" + std::string(40000, 'x');
    // Across the edge of the first two pieces wherever they meet.
    for (size_t at = 16000; at < 17000; at += 100) line.replace(at, 18, "needle-1234567-end");
    line += "finish";
    const auto lines = Scan(line + "\nfinish start needle-1-end\n");
    EXPECT_EQ(Numbers(lines), (LineNos{1, 2}));
    EXPECT_EQ(lines.at(1).mapTermPositions.size(), 3u);
    // Positions are kept within the kept text of the cut line.
    EXPECT_EQ(Positions(lines, 1, "needle-[0-9]+-end"), (std::vector<int32_t>{16000, 16100, 16200, 16300}));
    EXPECT_EQ(lines.at(2).mapTermPositions.size(), 1u);  // neither anchor holds there
}

// Each hit keeps its match's length in characters, in whole lines, in lines
// read in pieces (cut at the kept text) and in names; literal hits keep none.
TEST_F(RegexScan, HitsKeepTheLengthOfTheirMatchInCharacters) {
    terms = {"\xC3\xA9+x", "al+pha"};  // é+x
    auto lines = Scan("\xC3\xA9\xC3\xA9\xC3\xA9x allllpha alpha\n");
    EXPECT_EQ(Positions(lines, 1, "al+pha"), (std::vector<int32_t>{5, 14}));
    EXPECT_EQ(Lengths(lines, 1, "al+pha"), (std::vector<int32_t>{8, 5}));
    EXPECT_EQ(Lengths(lines, 1, "\xC3\xA9+x"), (std::vector<int32_t>{4}));

    lineCap = 16384;
    terms = {"ne+dle", "kx+"};
    lines = Scan("neeedle " + std::string(16360, 'a') + "k" + std::string(30000, 'x') + " end\n");
    EXPECT_EQ(Lengths(lines, 1, "ne+dle"), (std::vector<int32_t>{7}));
    // The match runs on far past the kept text: its length ends there.
    EXPECT_EQ(Positions(lines, 1, "kx+"), (std::vector<int32_t>{16368}));
    EXPECT_EQ(Lengths(lines, 1, "kx+"), (std::vector<int32_t>{16}));

    options.SetInt(Opt::REGEXTERMS, 0);
    terms = {"alpha"};
    EXPECT_TRUE(Scan("alpha alpha\n").at(1).mapTermLengths.empty());

    options.SetInt(Opt::REGEXTERMS, 1);
    terms = {"^rep[0-9]+"};
    const qf::QueryContext query = qf::MakeQueryContext(options, terms, nullptr);
    qf::MAP_TERM_POSITIONS found;
    qf::MAP_TERM_LENGTHS lengths;
    ASSERT_NE(qf::MatchName(query, "REP123x", 2, found, &lengths), 0);
    EXPECT_EQ(lengths["^rep[0-9]+"], (qf::DEQUE_POSITIONS_IN_LINE{6}));
}

TEST_F(RegexScan, WithTheOptionOffTermsAreLiteral) {
    options.SetInt(Opt::REGEXTERMS, 0);
    terms = {"a.c"};
    EXPECT_EQ(Numbers(Scan("abc\nxa.cx\n")), (LineNos{2}));
}

TEST_F(RegexScan, NamesAreMatchedByTheSamePatterns) {
    terms = {"^rep[0-9]+$"};
    const qf::QueryContext query = qf::MakeQueryContext(options, terms, nullptr);
    qf::MAP_TERM_POSITIONS found;
    EXPECT_NE(qf::MatchName(query, "REP12", 2, found), 0);
    EXPECT_EQ(qf::MatchName(query, "rep12a", 2, found), 0);
}

TEST(RegexTerms, ABadPatternIsRefusedWithMessage1040NamingIt) {
    qf::SettingsState state;
    state.options.SetList(Opt::DIRECTORIS, {"/"});
    state.options.SetInt(Opt::REGEXTERMS, 1);
    state.options.SetText(Opt::FINDTEXTS1, "fine (unclosed");
    qf::BooleanQuery query;
    qf::RegexFault fault;
    qf::RecordingMessages messages;
    std::atomic<int> stop{0};
    EXPECT_EQ(qf::ValidateSearchStart(state, qf::FullQueryChecks(query, state.options, fault), messages, stop), 0);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 1040.");
    EXPECT_EQ(messages.Last().text,
              "The term is not a valid regular expression : (unclosed\nmissing closing parenthesis (at offset 9)\n\n"
              "Action : Correct the term, or uncheck \"Terms are regular expressions\".");
    EXPECT_EQ(fault.term, "(unclosed");
    // The same text is a literal query when the option is off.
    state.options.SetInt(Opt::REGEXTERMS, 0);
    EXPECT_EQ(qf::ValidateSearchStart(state, qf::FullQueryChecks(query, state.options, fault), messages, stop), 1);
}

TEST(RegexTerms, RequiredLiteralsAreOnlyWhatEveryMatchHolds) {
    EXPECT_EQ(qf::RequiredLiteralOf("foo\\d+bar"), "foo");
    EXPECT_EQ(qf::RequiredLiteralOf("colou?r"), "colo");
    EXPECT_EQ(qf::RequiredLiteralOf("x{2}yz"), "yz");
    EXPECT_EQ(qf::RequiredLiteralOf("\\.txt$"), ".txt");
    EXPECT_EQ(qf::RequiredLiteralOf("ab+cd"), "ab");
    EXPECT_EQ(qf::RequiredLiteralOf("[abc]de(f|g)hi"), "de");
    EXPECT_EQ(qf::RequiredLiteralOf("\\x{41}\\p{L}q"), "q");
    for (const char* none : {"cat|dog", "(?i)abc", "a*", "\\Qa.b\\E", "\\w+"})
        EXPECT_EQ(qf::RequiredLiteralOf(none), "") << none;
}

}  // namespace
