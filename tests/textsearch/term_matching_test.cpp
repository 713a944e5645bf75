#include <gtest/gtest.h>

#include "settings/default_lists.h"
#include "textsearch/query_terms.h"
#include "textsearch/term_matching.h"

using qf::Opt;

namespace {

std::vector<std::string> Split(const std::string& text, qf::RecordingMessages& messages) {
    std::vector<std::string> terms;
    EXPECT_EQ(qf::ParseQueryTerms(text, "\"", terms, messages), 1) << text;
    return terms;
}

class Matching : public ::testing::Test {
protected:
    Matching() { qf::LoadDefaultLists(options); }
    void Use(Opt wholePart) { options.Choose({Opt::ALLWORDPRT, Opt::WHOLEWORDS, Opt::PARTSWORDS}, wholePart); }
    qf::DEQUE_POSITIONS_IN_LINE Hits(const std::string& line, const std::string& term) {
        const qf::TermMatcher m = qf::TermMatcher::FromOptions(options);
        return qf::CollectPositions(m, m.ComparisonForm(line), m.ComparisonForm(term));
    }
    qf::Options options;
};

using Positions = qf::DEQUE_POSITIONS_IN_LINE;

}  // namespace

TEST(QueryTerms, WordsAndPhrasesInOrder) {
    qf::RecordingMessages messages;
    EXPECT_EQ(Split("alpha \"beta gamma\" delta", messages), (std::vector<std::string>{"alpha", "beta gamma", "delta"}));
    EXPECT_EQ(Split("\" alpha \"", messages), (std::vector<std::string>{"alpha"}));
    EXPECT_EQ(Split("ab\"cd ef\"gh", messages), (std::vector<std::string>{"ab", "cd ef", "gh"}));
    EXPECT_EQ(Split("a\t\"\"  \"   \" a", messages), (std::vector<std::string>{"a", "", "", "a"}));
    EXPECT_TRUE(Split("", messages).empty());
    EXPECT_EQ(messages.Count(), 0u);
}

TEST(QueryTerms, OddMarksAreRefused) {
    qf::RecordingMessages messages;
    std::vector<std::string> terms;
    EXPECT_EQ(qf::ParseQueryTerms("\"a\" \"b", "\"", terms, messages), 0);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 0073.");
    EXPECT_EQ(messages.Last().text,
              "Odd number of marks(separators) : 3\n\nAction : You must enter an even number of separators(marks).");
}

TEST_F(Matching, WholeWordsWithTheDefaultDelimiters) {
    Use(Opt::WHOLEWORDS);
    EXPECT_EQ(Hits("x (abc) y", "abc"), (Positions{3}));
    EXPECT_TRUE(Hits("abc-def", "abc").empty());
    EXPECT_TRUE(Hits("abc\tdef", "abc").empty());
    EXPECT_EQ(Hits("abc", "abc"), (Positions{0}));
    EXPECT_EQ(Hits("see abc", "abc"), (Positions{4}));  // only the character before is tested
    EXPECT_TRUE(Hits("seeabc", "abc").empty());
}

TEST_F(Matching, ANumberFollowedByPointOrCommaLooksOneFurther) {
    Use(Opt::WHOLEWORDS);
    EXPECT_TRUE(Hits("costs 3.5 euro", "3").empty());
    EXPECT_EQ(Hits("costs 3. Then", "3"), (Positions{6}));
    EXPECT_EQ(Hits("and 3, 4", "3"), (Positions{4}));
    EXPECT_EQ(Hits("costs 3.", "3"), (Positions{6}));
    EXPECT_EQ(Hits("3,5", "3"), (Positions{}));
    EXPECT_EQ(Hits("3;", "3"), (Positions{}));  // ";" is not a default delimiter
}

TEST_F(Matching, OneChosenDelimiterAndPartWords) {
    options.Choose({Opt::INCDELIMTS, Opt::SELONEDELM}, Opt::SELONEDELM);
    options.SetText(Opt::SELONEDLMN, "!");
    Use(Opt::WHOLEWORDS);
    EXPECT_EQ(Hits("x!abc!y", "abc"), (Positions{2}));
    EXPECT_TRUE(Hits("x abc y", "abc").empty());
    options.Choose({Opt::INCDELIMTS, Opt::SELONEDELM}, Opt::INCDELIMTS);
    Use(Opt::PARTSWORDS);
    EXPECT_EQ(Hits("abcdef", "abc"), (Positions{0}));
    EXPECT_TRUE(Hits("x abc y", "abc").empty());
}

TEST_F(Matching, HitsOfOneTermNeverOverlapAndCaseFolds) {
    EXPECT_EQ(Hits("aaaa", "aa"), (Positions{0, 2}));
    Use(Opt::WHOLEWORDS);
    EXPECT_EQ(Hits("aaa aa", "aa"), (Positions{4}));  // the refused hit at 0 still moves the search on
    Use(Opt::ALLWORDPRT);
    EXPECT_EQ(Hits("abc Abc ABC", "ABC"), (Positions{0, 4, 8}));
    options.SetInt(Opt::CASESENSIT, 1);
    EXPECT_EQ(Hits("abc Abc ABC", "ABC"), (Positions{8}));
}
