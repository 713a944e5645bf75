// Faulty tokens of a refused Boolean query coloured red in the editor.

#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

#include "engine/search_run.h"
#include "engine/session.h"
#include "platform/user_messages.h"
#include "shell/boolean_fault_marks.h"
#include "shell/pattern_fault_marks.h"
#include "support/test_support.h"
#include "textsearch/boolean_syntax.h"

using namespace qf::shell;

namespace qftest {
namespace {

// The editor's text under each mark, and whether every mark is red.
QStringList MarkedTexts(const QTextEdit& editor) {
    QStringList texts;
    for (const QTextEdit::ExtraSelection& mark : editor.extraSelections()) {
        EXPECT_EQ(mark.format.foreground().color(), QColor(255, 0, 0));
        texts << mark.cursor.selectedText();
    }
    return texts;
}

qf::BooleanQuery Checked(const std::string& text) {
    qf::BooleanQuery query;
    std::vector<std::string> terms;
    qf::RecordingMessages messages;
    qf::CheckBooleanQuery(text, "\"", query, terms, messages);
    return query;
}

TEST(BooleanFaultMarks, TheFaultyTokensOfTheCheckedQueryAreRed) {
    QTextEdit editor;
    const std::pair<const char*, QStringList> cases[] = {
        {"(a .NOT. b)", {".NOT."}},
        {"( a and. b )", {"and."}},
        {"( a .AND. b . . )", {".", "."}},
        {"( a .AND. b ) .OR. ( c )", {"(", "c", ")"}},                 // refused by the test reduction
        {"( a .AND. b .OR. \"x y\" )", {"(", "a", ".AND.", "b", ".OR.", "\"x y\"", ")"}},
        {"( \"ä ö\" .AND. ü .  )", {"."}},                               // positions past non-ASCII text
    };
    for (const auto& [text, marked] : cases) {
        const qf::BooleanQuery query = Checked(text);
        ShowBooleanCheck(editor, query);
        EXPECT_EQ(editor.toPlainText().toStdString(), query.normalForm) << text;
        EXPECT_EQ(MarkedTexts(editor), marked) << text;
    }

    // A passing check shows its normal form without marks.
    ShowBooleanCheck(editor, Checked("(a.and.b)"));
    EXPECT_EQ(editor.toPlainText(), " ( a .AND. b )");
    EXPECT_TRUE(editor.extraSelections().isEmpty());

    // A check refused before the tokens (empty phrase) leaves the text as typed.
    editor.setPlainText("( \"\" )");
    ShowBooleanCheck(editor, Checked("( \"\" )"));
    EXPECT_EQ(editor.toPlainText(), "( \"\" )");
    EXPECT_TRUE(editor.extraSelections().isEmpty());
}

TEST(BooleanFaultMarks, MarksGoWithTheNextEditButNotBefore) {
    QTextEdit editor;
    ShowBooleanCheck(editor, Checked("(a .NOT. b)"));
    ASSERT_EQ(MarkedTexts(editor).size(), 1);
    editor.moveCursor(QTextCursor::End);  // moving the cursor is no edit
    EXPECT_EQ(MarkedTexts(editor).size(), 1);
    editor.setFocus();
    QTest::keyClicks(&editor, "x");
    EXPECT_TRUE(editor.extraSelections().isEmpty());

    ShowBooleanCheck(editor, Checked("(a .NOT. b)"));
    ClearBooleanFaultMarks(editor);
    EXPECT_TRUE(editor.extraSelections().isEmpty());
}

// Marks are only placed on the text they were made for, and never outside it.
TEST(BooleanFaultMarks, MarksThatDoNotFitTheTextAreIgnored) {
    QTextEdit editor;
    qf::_Bad_Adat_Struct faults;
    faults.sNormalForm = " ( a .NOT. b )";
    faults.positions = {5, 12, 40};
    faults.lengths = {5, 9, 1};
    editor.setPlainText("( a .NOT. b )");  // the text as typed, not the normal form
    MarkBooleanFaults(editor, faults);
    EXPECT_TRUE(editor.extraSelections().isEmpty());

    editor.setPlainText(QString::fromStdString(faults.sNormalForm));
    MarkBooleanFaults(editor, faults);
    EXPECT_EQ(MarkedTexts(editor), QStringList{".NOT."});
}

// The search start leaves what the editor must show in the session; a start
// refused before the Boolean check must not bring back an older check.
TEST(BooleanFaultMarks, TheSearchStartsCheckIsShownAndAnOlderOneNever) {
    TempDir home;
    qf::Session session(home.Path());
    qf::Options& o = session.state.options;
    o.Choose({qf::Opt::STANRADIO1, qf::Opt::BOOLRADIO1, qf::Opt::MICROBOOLR}, qf::Opt::BOOLRADIO1);
    o.SetList(qf::Opt::DIRECTORIS, {home.Path()});
    o.SetText(qf::Opt::FINDRICHED, "(a .NOT. b)");
    qf::RecordingMessages messages;
    QTextEdit editor("(a .NOT. b)");
    ASSERT_EQ(qf::ValidateSessionSearch(session, messages), 0);
    ShowBooleanCheck(editor, session.booleanQuery);
    EXPECT_EQ(MarkedTexts(editor), QStringList{".NOT."});

    editor.setPlainText("(a .AND. b) edited");
    o.SetList(qf::Opt::DIRECTORIS, {});
    ASSERT_EQ(qf::ValidateSessionSearch(session, messages), 0);
    ShowBooleanCheck(editor, session.booleanQuery);
    EXPECT_EQ(editor.toPlainText(), "(a .AND. b) edited");
    EXPECT_TRUE(editor.extraSelections().isEmpty());
}

// A term that is no regular expression is marked red where it was typed.
TEST(BooleanFaultMarks, ATermRefusedAsAPatternIsRed) {
    TempDir home;
    qf::Session session(home.Path());
    qf::Options& o = session.state.options;
    o.Choose({qf::Opt::STANRADIO1, qf::Opt::BOOLRADIO1, qf::Opt::MICROBOOLR}, qf::Opt::BOOLRADIO1);
    o.SetInt(qf::Opt::REGEXTERMS, 1);
    o.SetList(qf::Opt::DIRECTORIS, {home.Path()});
    o.SetText(qf::Opt::FINDRICHED, "( ab+ .AND. x{2,1} )");
    qf::RecordingMessages messages;
    QTextEdit editor("( ab+ .AND. x{2,1} )");
    ASSERT_EQ(qf::ValidateSessionSearch(session, messages), 0);
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 1040.");
    ShowBooleanCheck(editor, session.booleanQuery);
    MarkPatternFault(editor, session.regexFault);
    EXPECT_EQ(MarkedTexts(editor), QStringList{"x{2,1}"});
}

}  // namespace
}  // namespace qftest
