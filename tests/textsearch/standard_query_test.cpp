#include <gtest/gtest.h>

#include "settings/default_lists.h"
#include "textsearch/boolean_syntax.h"
#include "textsearch/standard_query.h"

using qf::Opt;

namespace {

qf::MAP_TERM_POSITIONS Map(std::initializer_list<std::pair<const std::string, qf::DEQUE_POSITIONS_IN_LINE>> m) {
    return qf::MAP_TERM_POSITIONS(m);
}

class NameRule : public ::testing::Test {
protected:
    NameRule() { qf::LoadDefaultLists(options); }

    int Match(std::string_view name, int kind = 2) {
        const qf::QueryContext q = qf::MakeQueryContext(options, terms, &boolean);
        qf::MAP_TERM_POSITIONS positions;
        return qf::MatchName(q, name, kind, positions);
    }

    void UseBoolean(const std::string& text) {
        options.Choose({Opt::STANRADIO1, Opt::BOOLRADIO1, Opt::MICROBOOLR}, Opt::BOOLRADIO1);
        qf::RecordingMessages messages;
        terms.clear();
        ASSERT_EQ(qf::CheckBooleanQuery(text, "\"", boolean, terms, messages), 1);
    }

    qf::Options options;
    std::vector<std::string> terms;
    qf::BooleanQuery boolean;
};

}  // namespace

TEST(LineOrder, GivenOrderTakesTheFirstPositionAtOrAfterThePrevious) {
    const std::vector<std::string> ba{"b", "a"};
    EXPECT_EQ(qf::LineOrderHolds(ba, Map({{"a", {0, 4}}, {"b", {2}}}), true), 1);  // a b a
    EXPECT_EQ(qf::LineOrderHolds(ba, Map({{"a", {0}}, {"b", {2}}}), true), 0);     // a b
    EXPECT_EQ(qf::LineOrderHolds(ba, Map({{"a", {0}}, {"b", {2}}}), false), 1);
    EXPECT_EQ(qf::LineOrderHolds(ba, Map({{"a", {0}}}), false), 0);  // not every term
    // Equal positions count as in order; a failed step still moves on.
    EXPECT_EQ(qf::LineOrderHolds({"ab", "a"}, Map({{"ab", {3}}, {"a", {3}}}), true), 1);
    EXPECT_EQ(qf::LineOrderHolds({"c", "a", "b"}, Map({{"a", {0}}, {"b", {9}}, {"c", {5}}}), true), 0);
    // The same term twice never fills the map.
    EXPECT_EQ(qf::LineOrderHolds({"a", "a"}, Map({{"a", {0, 2}}}), false), 0);
}

TEST_F(NameRule, FileModesAndWholeWords) {
    terms = {"abc"};
    options.Choose({Opt::ALLWORDPRT, Opt::WHOLEWORDS, Opt::PARTSWORDS}, Opt::WHOLEWORDS);
    EXPECT_EQ(Match("abc"), 2);
    EXPECT_EQ(Match("xabc"), 0);
    EXPECT_EQ(Match("my abc", 1), 1);
    options.Choose({Opt::CKALLWORDS, Opt::CKANYWORDS, Opt::NOTCONTAIN}, Opt::NOTCONTAIN);
    EXPECT_EQ(Match("xabc"), 8);
    EXPECT_EQ(Match("xabc", 1), 9);
    EXPECT_EQ(Match("zzz", 10), 11);
    EXPECT_EQ(Match("abc"), 0);
}

TEST_F(NameRule, EmptyNamesAndNoExtensionNeverMatch) {
    terms = {"noext"};
    EXPECT_EQ(Match("noext", 10), 0);
    EXPECT_EQ(Match("", 10), 0);
    options.Choose({Opt::CKALLWORDS, Opt::CKANYWORDS, Opt::NOTCONTAIN}, Opt::NOTCONTAIN);
    EXPECT_EQ(Match("noext", 10), 0);
}

TEST_F(NameRule, AllTermsAnyTermAndOrder) {
    terms = {"b", "a"};
    EXPECT_EQ(Match("a_b"), 2);
    EXPECT_EQ(Match("a_x"), 0);
    options.SetInt(Opt::ALLINONECH, 1);
    options.SetInt(Opt::INGIVORDER, 1);
    EXPECT_EQ(Match("a_b"), 0);
    EXPECT_EQ(Match("b_a"), 2);
    options.Choose({Opt::CKALLWORDS, Opt::CKANYWORDS, Opt::NOTCONTAIN}, Opt::CKANYWORDS);
    EXPECT_EQ(Match("a_x"), 2);
}

TEST_F(NameRule, BooleanQueriesAndTheirNegation) {
    UseBoolean("( rep .AND. .NOT. old )");
    EXPECT_EQ(Match("rep_new"), 2);
    EXPECT_EQ(Match("rep_old"), 0);
    UseBoolean(".NOT. ( tmp )");
    EXPECT_EQ(Match("data", 1), 9);
    EXPECT_EQ(Match("tmp", 1), 0);
}

// Names fold as file content does; their hits count characters, and a name
// that is not UTF-8 is read as Windows-1252.
TEST_F(NameRule, NamesFoldBeyondAsciiAndCountCharacters) {
    terms = {"\xC3\xA4rger"};  // ärger
    options.Choose({Opt::ALLWORDPRT, Opt::WHOLEWORDS, Opt::PARTSWORDS}, Opt::WHOLEWORDS);
    const qf::QueryContext q = qf::MakeQueryContext(options, terms, &boolean);
    qf::MAP_TERM_POSITIONS positions;
    EXPECT_EQ(qf::MatchName(q, "\xC3\xBC\xC3\xBC (\xC3\x84RGER)", 2, positions), 2);  // üü (ÄRGER)
    EXPECT_EQ(positions.at("\xC3\xA4rger"), (qf::DEQUE_POSITIONS_IN_LINE{4}));
    EXPECT_EQ(qf::MatchName(q, "Notes \xC4RGER", 1, positions), 1);  // Windows-1252
    EXPECT_EQ(positions.at("\xC3\xA4rger"), (qf::DEQUE_POSITIONS_IN_LINE{6}));
    EXPECT_EQ(Match("\xC3\x84RGERNIS"), 0);
    options.SetInt(Opt::CASESENSIT, 1);
    EXPECT_EQ(Match("\xC3\x84RGER"), 0);
}
