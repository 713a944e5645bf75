// The Boolean assistant writing into the query editor, and the truth tables.

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextEdit>
#include <gtest/gtest.h>

#include "control_lookup.h"
#include "platform/user_messages.h"
#include "shell/boolean_assistant.h"
#include "shell/truth_table_window.h"
#include "textsearch/boolean_syntax.h"

using namespace qf::shell;

namespace qftest {
namespace {

class BooleanAssistantTest : public ::testing::Test {
protected:
    BooleanAssistantTest() : assistant(editor, messages, &host) {
        assistant.SetHelpOpener([this](int topic, int number) {
            helpCalls.push_back({topic, number});
            return false;
        });
        host.show();
        assistant.show();
    }
    template <typename T = QPushButton>
    T* Child(const QString& name) { return ChildOf<T>(assistant, name); }
    void Press(const QString& name) { Child(name)->click(); }
    void AddTerm(const QString& term) {
        Child<QLineEdit>("termField")->setText(term);
        Press("add");
    }
    QStringList TruthBox() {
        QStringList texts{Child<QLineEdit>("truthName")->text()};
        for (int row = 0; row < 4; ++row) texts << Child<QLineEdit>(QString("truthValue%1").arg(row))->text();
        return texts;
    }

    QWidget host;
    QTextEdit editor{&host};
    qf::RecordingMessages messages;
    BooleanAssistant assistant;
    std::vector<std::pair<int, int>> helpCalls;
};

TEST_F(BooleanAssistantTest, ButtonsBuildAQueryThatPassesTheCheck) {
    editor.setPlainText("( x .OR. y ) .AND.");
    Press("leftBracket");
    EXPECT_EQ(Child<QLineEdit>("termField")->text(), " ");
    AddTerm("  alpha  ");
    EXPECT_EQ(Child<QLineEdit>("termField")->text(), " ");
    Press("opAND");
    Press("opNOT");
    AddTerm("\"be ta\"");
    Press("rightBracket");
    const std::string text = editor.toPlainText().toStdString();
    EXPECT_EQ(text, "( x .OR. y ) .AND. ( alpha .AND.  .NOT.  \"be ta\" )");

    // What the buttons wrote is a query the search accepts.
    qf::BooleanQuery query;
    std::vector<std::string> terms;
    EXPECT_EQ(qf::CheckBooleanQuery(text, "\"", query, terms, messages), 1);
    EXPECT_EQ(terms, (std::vector<std::string>{"x", "y", "alpha", "be ta"}));
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(BooleanAssistantTest, AnEmptyTermIsRefusedAndTheEditorKeepsItsText) {
    editor.setPlainText("( a");
    for (const QString& blank : {QString(), QString(" "), QString(" \t ")}) {
        messages.Clear();
        AddTerm(blank);
        ASSERT_EQ(messages.Count(), 1u);
        const qf::Message m = messages.Last();
        EXPECT_EQ(m.caption, "Warning !    Msg no: 0207.");
        EXPECT_EQ(m.text, "Empty field !!!\n\nAction : You must enter a term or phrase.");
        EXPECT_EQ(m.icon, qf::MsgIcon::Warning);
    }
    EXPECT_EQ(editor.toPlainText(), "( a");
}

TEST_F(BooleanAssistantTest, TheCurrentTruthTableFollowsTheLastOperator) {
    const std::pair<const char*, QStringList> cases[] = {
        {"opAND", {".AND.", "0", "0", "0", "1"}},  {"opOR", {".OR.", "0", "1", "1", "1"}},
        {"opNAND", {".NAND.", "1", "1", "1", "0"}}, {"opXOR", {".XOR.", "0", "1", "1", "0"}},
        {"opNOR", {".NOR.", "1", "0", "0", "0"}},  {"opXNOR", {".XNOR.", "1", "0", "0", "1"}},
        {"opNOT", {"", "", "", "", ""}},
    };
    for (const auto& [button, expected] : cases) {
        Press("opXOR");  // something shown before, so that a blank box is seen
        Press(button);
        EXPECT_EQ(TruthBox(), expected) << button;
    }
    EXPECT_EQ(editor.toPlainText().count(" .NOT. "), 1);

    // Opening the window again empties the term field and the box.
    Press("opAND");
    Child<QLineEdit>("termField")->setText("left over");
    assistant.hide();
    assistant.show();
    EXPECT_EQ(Child<QLineEdit>("termField")->text(), "");
    EXPECT_EQ(TruthBox(), (QStringList{"", "", "", "", ""}));
}

TEST_F(BooleanAssistantTest, CloseHidesTheWindowAndReleasesTheCheckBox) {
    QSignalSpy closed(&assistant, &BooleanAssistant::closed);
    Press("close");
    EXPECT_FALSE(assistant.isVisible());
    EXPECT_EQ(closed.count(), 1);

    // The window's own close box and Escape end the same way.
    assistant.show();
    assistant.close();
    EXPECT_FALSE(assistant.isVisible());
    EXPECT_EQ(closed.count(), 2);
}

TEST_F(BooleanAssistantTest, HelpButtonsOpenTheirTopicsWithTheirMessageNumbers) {
    Press("syntax");
    Press("examples");
    EXPECT_EQ(helpCalls, (std::vector<std::pair<int, int>>{{32, 263}, {33, 204}}));
}

TEST_F(BooleanAssistantTest, TheTruthTableButtonShowsTheWindowThatOkCloses) {
    TruthTableWindow& table = assistant.TruthTable();
    EXPECT_FALSE(table.isVisible());
    Press("truthTable");
    EXPECT_TRUE(table.isVisible());
    EXPECT_EQ(table.windowTitle(),
              "Boolean Truth Table - two arguments (excluding .NOT. operator, which is a function-operator of one "
              "argument).");
    table.findChild<QPushButton*>("ok")->click();
    EXPECT_FALSE(table.isVisible());
}

// A disabled editor (a search runs) must not be changed behind its back.
TEST_F(BooleanAssistantTest, NothingIsWrittenWhileTheEditorIsDisabled) {
    editor.setPlainText("( a");
    editor.setEnabled(false);
    for (const char* name : {"add", "leftBracket", "opAND"}) EXPECT_FALSE(Child(name)->isEnabled()) << name;
    EXPECT_TRUE(Child("close")->isEnabled());
    Press("opAND");
    EXPECT_EQ(editor.toPlainText(), "( a");

    host.setEnabled(false);  // disabled through its parent, then enabled again
    editor.setEnabled(true);
    host.setEnabled(true);
    EXPECT_TRUE(Child("opAND")->isEnabled());
}

TEST(TruthTableWindow, EverySixteenFunctionsMatchesTheEvaluationTable) {
    TruthTableWindow window;
    // Row of each heading: A B = 0 0, 0 1, 1 0, 1 1.
    const std::pair<const char*, const char*> table[] = {
        {"CONST\nFALSE", "0000"}, {"AND", "0001"},          {"A AND\nNOT B", "0010"}, {"IDENTITY\n    A", "0011"},
        {"NOT A\nAND B", "0100"}, {"IDENTITY\n    B", "0101"}, {"XOR", "0110"},          {"OR", "0111"},
        {"NOR", "1000"},          {"XNOR", "1001"},          {"NOT B", "1010"},          {"A OR\nNOT B", "1011"},
        {"NOT A", "1100"},        {"NOT A\nOR B", "1101"},     {"NAND", "1110"},         {"CONST\nTRUE", "1111"},
    };
    for (int f = 0; f < 16; ++f) {
        EXPECT_EQ(window.HeadingText(f), table[f].first) << f;
        QString values;
        for (int row = 0; row < 4; ++row) values += window.CellText(f, row);
        EXPECT_EQ(values, table[f].second) << table[f].first;
    }
}

}  // namespace
}  // namespace qftest
