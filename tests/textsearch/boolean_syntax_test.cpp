#include <gtest/gtest.h>

#include "settings/search_start.h"
#include "textsearch/boolean_syntax.h"
#include "textsearch/query_checks.h"

namespace {

const char* kOffer = "\n\n\n\nDo you want to see the Boolean Syntax Window for syntax checking ?";

struct Checked {
    int result;
    std::vector<std::string> terms;
    qf::BooleanQuery query;
    std::vector<qf::Message> messages;
};

Checked Check(const std::string& text, qf::MsgAnswer answer = qf::MsgAnswer::No) {
    Checked c;
    qf::RecordingMessages messages;
    messages.ScriptAnswer(answer);
    c.result = qf::CheckBooleanQuery(text, "\"", c.query, c.terms, messages);
    c.messages = messages.Messages();
    return c;
}

std::string CaptionOf(const std::string& text) {
    const Checked c = Check(text);
    EXPECT_EQ(c.result, 0) << text;
    return c.messages.empty() ? "" : c.messages.front().caption;
}

}  // namespace

TEST(BooleanSyntax, PassingQueriesGiveTheNormalFormAndTheTerms) {
    Checked c = Check("(  a   .AND. b )");
    ASSERT_EQ(c.result, 1);
    EXPECT_TRUE(c.messages.empty());
    EXPECT_EQ(c.query.normalForm, " ( a .AND. b )");
    EXPECT_EQ(c.terms, (std::vector<std::string>{"a", "b"}));

    c = Check("(a.and.b)");
    ASSERT_EQ(c.result, 1);
    EXPECT_EQ(c.query.normalForm, " ( a .AND. b )");

    for (const char* ok : {".NOT. ( a )", ".NOT. ( .NOT. a )", "( a .AND. .NOT. b )", "( .NOT. a .AND. b )",
                           "( ( a .OR. b ) .XOR. c )", "( a .XXXXX. b )", "( a .OR. a )"})
        EXPECT_EQ(Check(ok).result, 1) << ok;
}

TEST(BooleanSyntax, PhrasesStayWholeAndAreNotCheckedForOperatorNames) {
    Checked c = Check("( \"x .AND. y\" .OR. \" file.org \" )");
    ASSERT_EQ(c.result, 1);
    EXPECT_EQ(c.terms, (std::vector<std::string>{"x .AND. y", "file.org"}));
    EXPECT_EQ(c.query.tokens.size(), 5u);
}

TEST(BooleanSyntax, OuterBracketsAreAddedAroundGroupsJoinedAtTheTop) {
    Checked c = Check("( a .AND. b ) .OR. ( c .AND. d )");
    ASSERT_EQ(c.result, 1);
    EXPECT_EQ(c.query.normalForm, " ( ( a .AND. b ) .OR. ( c .AND. d ) )");
    EXPECT_EQ(CaptionOf("( a .AND. b ) .OR. ( c )"), "Error !    Msg no: 0046.");
}

TEST(BooleanSyntax, EachCheckGivesItsOwnMessage) {
    EXPECT_EQ(CaptionOf(" \t "), "Warning !    Msg no: 0145.");
    EXPECT_EQ(CaptionOf("( \"a .AND. b )"), "Warning !    Msg no: 0033.");
    EXPECT_EQ(CaptionOf("( \"  \" .AND. b )"), "Warning !    Msg no: 0146");
    EXPECT_EQ(CaptionOf("( a and. b )"), "Warning !    Msg no: 0034.");
    EXPECT_EQ(CaptionOf("( a . AND. b )"), "Warning !    Msg no: 0034.");
    EXPECT_EQ(CaptionOf("( hand. .OR. b )"), "Warning !    Msg no: 0034.");
    EXPECT_EQ(CaptionOf("( file.org .OR. b )"), "Warning !    Msg no: 0034.");
    EXPECT_EQ(CaptionOf("( a .AND. b . )"), "Warning !    Msg no: 0035.");
    EXPECT_EQ(CaptionOf("( a .AND. b"), "Warning !    Msg no: 0037.");
    EXPECT_EQ(CaptionOf("a .AND. ( b )"), "Warning !    Msg no: 0038.");
    EXPECT_EQ(CaptionOf("( a ) .AND. b"), "Warning !    Msg no: 0039.");
    EXPECT_EQ(CaptionOf("a .AND. b"), "Warning !    Msg no: 0040.");
    EXPECT_EQ(CaptionOf("( a .NOT. b )"), "Error !    Msg no: 0079.");
    EXPECT_EQ(CaptionOf("( a .AND. .NOT. .OR. b )"), "Error !    Msg no: 0041.");
    EXPECT_EQ(CaptionOf("( .AND. b )"), "Error !    Msg no: 0042.");
    EXPECT_EQ(CaptionOf("( ( a .OR. b ) c )"), "Error !    Msg no: 0043.");
    EXPECT_EQ(CaptionOf("( a b )"), "Error !    Msg no: 0044.");
    EXPECT_EQ(CaptionOf("( a .AND. .OR. b )"), "Error !    Msg no: 0045.");
    EXPECT_EQ(CaptionOf("( a )"), "Error !    Msg no: 0046.");
    EXPECT_EQ(CaptionOf("( .NOT. a )"), "Error !    Msg no: 0046.");
    EXPECT_EQ(CaptionOf("( .NOT. ( a ) )"), "Error !    Msg no: 0046.");
    EXPECT_EQ(CaptionOf("( a .AND. b .OR. c )"), "Error !    Msg no: 0047.");
}

TEST(BooleanSyntax, MessagesCarryTheHelpOfferAndRecordTheAnswer) {
    Checked c = Check("( a .AND. b . )", qf::MsgAnswer::Yes);
    ASSERT_EQ(c.messages.size(), 1u);
    const qf::Message& m = c.messages.front();
    EXPECT_EQ(m.text, std::string("There is a point alone !!!\n\nYou can't have space(s) between operator(s) and "
                                  "point(s).") + kOffer);
    EXPECT_EQ(m.buttons, qf::MsgButtons::YesNo);
    EXPECT_EQ(m.defaultAnswer, qf::MsgAnswer::No);
    EXPECT_EQ(m.icon, qf::MsgIcon::Question);
    EXPECT_TRUE(c.query.helpRequested);

    c = Check("( . .AND. . )");
    EXPECT_EQ(c.messages.front().text.substr(0, 26), "There are points alone !!!");
    EXPECT_FALSE(c.query.helpRequested);

    c = Check("( \"a b )");
    EXPECT_EQ(c.messages.front().text,
              std::string("Odd summary of marks(separators): 1!\n\n Action: Summary of marks(separators) must be even.") +
                  kOffer);

    c = Check("");
    EXPECT_EQ(c.messages.front().text, "Text field is empty !!!");
}

TEST(BooleanSyntax, AFaultIsMarkedInTheNormalFormAndTheEditorKeepsTheQuery) {
    Checked c = Check("(a .NOT. b)");
    ASSERT_EQ(c.result, 0);
    EXPECT_EQ(c.query.normalForm, " ( a .NOT. b )");
    EXPECT_EQ(c.query.fault.sBadToken, ".NOT.");
    ASSERT_EQ(c.query.fault.positions.size(), 1u);
    EXPECT_EQ(c.query.fault.sNormalForm.substr(c.query.fault.positions[0], c.query.fault.lengths[0]), ".NOT.");

    // A group refused by the test reduction is marked in the query the editor
    // shows, not in the reduced form: every token of ( c ), also after an
    // earlier group was reduced.
    c = Check("( ( a .AND. b ) .OR. ( c ) )");
    ASSERT_EQ(c.result, 0);
    EXPECT_EQ(c.query.normalForm, " ( ( a .AND. b ) .OR. ( c ) )");
    EXPECT_EQ(c.query.fault.sNormalForm, c.query.normalForm);
    EXPECT_EQ(c.query.fault.sBadToken, "(");
    std::string marked;
    for (size_t i = 0; i < c.query.fault.positions.size(); ++i)
        marked += c.query.fault.sNormalForm.substr(c.query.fault.positions[i], c.query.fault.lengths[i]) + "|";
    EXPECT_EQ(marked, "(|c|)|");
    EXPECT_TRUE(c.query.tokens.empty());

    // Three arguments where one is a reduced negated group: the marks cover
    // the whole group as written.
    c = Check("( a .AND. .NOT. ( b .OR. c ) .OR. d )");
    ASSERT_EQ(c.messages.front().caption, "Error !    Msg no: 0047.");
    EXPECT_EQ(c.query.fault.sNormalForm, c.query.normalForm);
    EXPECT_EQ(c.query.fault.positions.size(), 12u);
    EXPECT_EQ(c.query.fault.positions.front(), 1u);
    EXPECT_EQ(c.query.fault.positions.back() + c.query.fault.lengths.back(), c.query.normalForm.size());
}

TEST(BooleanSyntax, TheValidationUsesTheBooleanCheck) {
    qf::SettingsState state;
    state.options.SetList(qf::Opt::DIRECTORIS, {"/"});
    state.options.Choose({qf::Opt::STANRADIO1, qf::Opt::BOOLRADIO1, qf::Opt::MICROBOOLR}, qf::Opt::BOOLRADIO1);
    state.options.SetText(qf::Opt::FINDRICHED, "( alpha .OR. \"be ta\" )");
    qf::BooleanQuery query;
    qf::RegexFault fault;
    qf::RecordingMessages messages;
    std::atomic<int> stop{0};
    ASSERT_EQ(qf::ValidateSearchStart(state, qf::FullQueryChecks(query, state.options, fault), messages, stop), 1);
    EXPECT_EQ(state.searchTerms, (std::vector<std::string>{"alpha", "be ta"}));
    EXPECT_EQ(query.tokens.size(), 5u);
}
