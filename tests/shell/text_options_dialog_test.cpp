// The text options dialog driven through its controls.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>
#include <functional>

#include "control_lookup.h"
#include "platform/user_messages.h"
#include "settings/default_lists.h"
#include "settings/options.h"
#include "shell/text_options_dialog.h"

using namespace qf::shell;
using qf::Opt;

namespace qftest {
namespace {

class TextOptionsDialogTest : public ::testing::Test {
public:  // the check table's steps drive the fixture
    TextOptionsDialogTest() { qf::LoadDefaultLists(options); }

    void Open() {
        dialog = std::make_unique<TextOptionsDialog>(options, messages);
        dialog->UseListMemory(memory);
        dialog->show();
    }
    template <typename T = QWidget>
    T* Child(const QString& name) { return ChildOf<T>(*dialog, name); }
    void Click(const char* name) { Child<QAbstractButton>(name)->click(); }
    void SetText(const char* name, const QString& text) { Child<QLineEdit>(name)->setText(text); }
    bool Enabled(const char* name) { return Child(name)->isEnabled(); }
    bool Checked(const char* name) { return Child<QAbstractButton>(name)->isChecked(); }

    qf::Options options;
    qf::RecordingMessages messages;
    TextListMemory memory;
    std::unique_ptr<TextOptionsDialog> dialog;
};

TEST_F(TextOptionsDialogTest, OkWithoutChangesKeepsEveryOptionAndCancelDiscardsChanges) {
    qf::Options before = options;
    Open();
    // A selector's stored position is where its choice stands in the list.
    before.Mutable(Opt::SELONECHAR).number = Child<QComboBox>("commentCombo")->findText("//");
    Click("ok");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(options == before);

    Open();
    Click("caseSensitive");
    Click("notContain");
    Click("wholeOnly");
    Click("stopCheck");
    Child<QComboBox>("markCombo")->setCurrentIndex(2);
    SetText("runLimit", "50");
    Click("cancel");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(options == before);
}

TEST_F(TextOptionsDialogTest, ConfirmedValuesBecomeTheOptions) {
    Open();
    Click("caseSensitive");
    Click("oneLine");
    Click("givenOrder");
    Click("partOnly");
    Click("oneDelimiter");
    Child<QComboBox>("delimiterCombo")->setCurrentText("space");
    Child<QComboBox>("markCombo")->setCurrentText("|");
    Click("startCheck");
    Click("startByTerm");
    SetText("startTerm", "  |begin here|  ");
    Click("stopCheck");
    Click("stopByLine");
    SetText("stopLine", " 250 ");
    Click("commentCheck");
    Click("onlyComments");
    Click("oneComment");
    Child<QComboBox>("commentCombo")->setCurrentText("#");
    SetText("fileLimit", "7");
    SetText("runLimit", "900");
    Click("displayOneByOne");
    EXPECT_EQ(Child<QCheckBox>("officeDocs")->text(), QStringLiteral("Search inside Office and OpenDocument files"));
    EXPECT_TRUE(Checked("officeDocs"));
    Click("officeDocs");
    EXPECT_EQ(Child<QCheckBox>("regexTerms")->text(), QStringLiteral("Terms are regular expressions"));
    EXPECT_FALSE(Checked("regexTerms"));
    Click("regexTerms");
    Click("ok");
    ASSERT_EQ(messages.Count(), 0u) << messages.Last().caption;
    EXPECT_FALSE(options.On(Opt::CONVOFFICE));
    EXPECT_TRUE(options.On(Opt::REGEXTERMS));
    EXPECT_TRUE(options.On(Opt::CASESENSIT));
    EXPECT_TRUE(options.On(Opt::CKALLWORDS));
    EXPECT_TRUE(options.On(Opt::ALLINONECH));
    EXPECT_TRUE(options.On(Opt::INGIVORDER) && !options.On(Opt::INANYORDER));
    EXPECT_TRUE(options.On(Opt::PARTSWORDS) && !options.On(Opt::ALLWORDPRT));
    EXPECT_TRUE(options.On(Opt::SELONEDELM) && !options.On(Opt::INCDELIMTS));
    EXPECT_EQ(options.Text(Opt::SELONEDLMN), "space");
    EXPECT_EQ(options.Int(Opt::SELONEDLMN), Child<QComboBox>("delimiterCombo")->findText("space"));
    EXPECT_EQ(options.Text(Opt::SEPARATORH), "|");
    EXPECT_TRUE(options.On(Opt::STARTCHECK) && options.On(Opt::STARTTRADO) && !options.On(Opt::STARTLNRAD));
    EXPECT_EQ(options.Text(Opt::STARTETRMS), "|begin here|");
    EXPECT_TRUE(options.On(Opt::CLINENUMBR) && options.On(Opt::LINENRADIO));
    EXPECT_EQ(options.Int(Opt::EDITLNUMBR), 250);
    EXPECT_TRUE(options.On(Opt::CHECKCOMMT) && options.On(Opt::ONLYSCMMNT) && options.On(Opt::ONECOMCHAR));
    EXPECT_EQ(options.Text(Opt::SELONECHAR), "#");
    EXPECT_EQ(options.Int(Opt::RESLINENUM), 7);
    EXPECT_EQ(options.Int(Opt::SEARCHMAXL), 900);
    EXPECT_TRUE(options.On(Opt::DISPLAYDUR) && !options.On(Opt::DISPLAYATE));
}

TEST_F(TextOptionsDialogTest, OneLineRuleFollowsTheFileModeAndConditionFieldsFollowTheirRadios) {
    options.SetInt(Opt::ALLINONECH, 1);  // as a settings file may hold it: no order chosen
    Open();
    EXPECT_TRUE(Checked("oneLine") && Checked("anyOrder"));
    Click("oneLine");
    EXPECT_TRUE(Enabled("oneLine"));
    EXPECT_FALSE(Enabled("anyOrder") || Enabled("givenOrder"));
    Click("oneLine");
    EXPECT_TRUE(Enabled("anyOrder") && Enabled("givenOrder"));
    EXPECT_TRUE(Checked("anyOrder"));  // an order is always chosen with the rule
    Click("givenOrder");
    Click("anyWords");
    EXPECT_FALSE(Enabled("oneLine") || Checked("oneLine"));
    EXPECT_FALSE(Enabled("givenOrder") || Checked("givenOrder"));
    Click("allWords");
    EXPECT_TRUE(Enabled("oneLine"));
    EXPECT_FALSE(Checked("oneLine") || Enabled("anyOrder") || Checked("anyOrder") || Checked("givenOrder"));
    Click("ok");
    EXPECT_FALSE(options.On(Opt::ALLINONECH) || options.On(Opt::INANYORDER) || options.On(Opt::INGIVORDER));

    Open();
    EXPECT_FALSE(Enabled("startByLine") || Enabled("startLine") || Enabled("startTerm"));
    Click("startCheck");
    EXPECT_TRUE(Enabled("startByLine") && Enabled("startByTerm"));
    EXPECT_FALSE(Enabled("startLine") || Enabled("startTerm"));
    Click("startByLine");
    EXPECT_TRUE(Enabled("startLine") && !Enabled("startTerm"));
    Click("startByTerm");
    EXPECT_TRUE(!Enabled("startLine") && Enabled("startTerm"));
    EXPECT_FALSE(Enabled("delimiterCombo") || Enabled("commentCombo") || Enabled("oneComment"));
    Click("oneDelimiter");
    Click("commentCheck");
    Click("oneComment");
    EXPECT_TRUE(Enabled("delimiterCombo") && Enabled("commentCombo"));
}

TEST_F(TextOptionsDialogTest, OkChecksRefuseInOrderAndKeepTheDialogOpen) {
    struct Case {
        const char* what;
        std::function<void(TextOptionsDialogTest&)> set;
        const char* caption;
    };
    const auto start = [](TextOptionsDialogTest& t, const char* by) { t.Click("startCheck"), t.Click(by); };
    const auto stop = [](TextOptionsDialogTest& t, const char* by) { t.Click("stopCheck"), t.Click(by); };
    const Case cases[] = {
        {"line number not a number", [&](auto& t) { start(t, "startByLine"), t.SetText("startLine", "12a"); },
         "Warning !    Msg no: 0099."},
        {"line number too large", [&](auto& t) { stop(t, "stopByLine"), t.SetText("stopLine", "2147483648"); },
         "Warning !    Msg no: 0099."},
        {"both zero",
         [&](auto& t) {
             start(t, "startByLine"), stop(t, "stopByLine"), t.SetText("startLine", "0"), t.SetText("stopLine", "0");
         },
         "Warning !    Msg no: 0194."},
        {"start after stop",
         [&](auto& t) {
             start(t, "startByLine"), stop(t, "stopByLine"), t.SetText("startLine", "9"), t.SetText("stopLine", "3");
         },
         "Warning !    Msg no: 0100."},
        {"start zero", [&](auto& t) { start(t, "startByLine"), t.SetText("startLine", "0"); },
         "Warning !    Msg no: 0195."},
        {"stop zero", [&](auto& t) { stop(t, "stopByLine"), t.SetText("stopLine", "0"); }, "Warning !    Msg no: 0196."},
        {"two start terms, condition off", [](auto& t) { t.SetText("startTerm", "alpha beta"); },
         "Warning !    Msg no: 0202."},
        {"empty start term", [&](auto& t) { start(t, "startByTerm"), t.SetText("startTerm", "   "); },
         "Warning !    Msg no: 0102."},
        {"two stop terms", [](auto& t) { t.SetText("stopTerm", "\"a b\" c"); }, "Warning !    Msg no: 0203."},
        {"empty stop term", [&](auto& t) { stop(t, "stopByTerm"); }, "Warning !    Msg no: 0103."},
        {"odd marks", [](auto& t) { t.SetText("stopTerm", "\"a"); }, "Warning !    Msg no: 0073."},
        {"line check before term check",
         [&](auto& t) { start(t, "startByLine"), t.SetText("startLine", "0"), t.SetText("stopTerm", "a b"); },
         "Warning !    Msg no: 0195."},
        {"equal terms",
         [&](auto& t) {
             start(t, "startByTerm"), stop(t, "stopByTerm"), t.SetText("startTerm", " end "),
                 t.SetText("stopTerm", "end");
         },
         "Warning !    Msg no: 0273."},
    };
    for (const Case& c : cases) {
        const qf::Options before = options;
        Open();
        messages.Clear();
        c.set(*this);
        Click("ok");
        ASSERT_EQ(messages.Count(), 1u) << c.what;
        EXPECT_EQ(messages.Last().caption, c.caption) << c.what;
        EXPECT_EQ(messages.Last().icon, qf::MsgIcon::Warning) << c.what;
        EXPECT_TRUE(dialog->isVisible()) << c.what;
        EXPECT_TRUE(options == before) << c.what;
    }
    EXPECT_EQ(messages.Last().text,
              "Start term and stop term/phrase are equal. This might cause undefined state!!!\n\nAction : You must "
              "change either the start or the stop term/phrase!!!");
}

TEST_F(TextOptionsDialogTest, TypedLimitsAboveTenThousandAreReplaced) {
    Open();
    auto* run = Child<QLineEdit>("runLimit");
    run->clear();
    QTest::keyClicks(run, "10001");
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 0148.");
    EXPECT_EQ(messages.Last().text, "Maximum number to enter is : 10000.");
    EXPECT_EQ(run->text(), "10000");
    auto* file = Child<QLineEdit>("fileLimit");
    file->clear();
    QTest::keyClicks(file, "99999");
    ASSERT_EQ(messages.Count(), 2u);
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 0114.");
    EXPECT_EQ(file->text(), "10");
    QTest::keyClicks(file, "x");  // digits only
    EXPECT_EQ(file->text(), "10");
    Click("ok");
    EXPECT_EQ(options.Int(Opt::SEARCHMAXL), 10000);
    EXPECT_EQ(options.Int(Opt::RESLINENUM), 10);
}

TEST_F(TextOptionsDialogTest, ListDialogsRefillTheirSelectorAndRememberTheirEntry) {
    options.SetText(Opt::SELONEDLMN, "?");
    Open();
    auto* combo = Child<QComboBox>("delimiterCombo");
    EXPECT_EQ(combo->currentText(), "?");
    bool cancelled = false;
    dialog->runListDialog = [&](ListSettingsDialog& sub) {
        EXPECT_EQ(sub.Kind(), qf::ListDialogKind::Delimiters);
        auto* include = sub.findChild<QListWidget*>("includeList");
        for (int i = 0; i < include->count(); ++i) include->item(i)->setSelected(include->item(i)->text() == "?");
        sub.findChild<QPushButton*>("toExclude")->click();
        QTest::keyClicks(sub.findChild<QLineEdit*>("entry"), "*");
        sub.findChild<QPushButton*>("add")->click();
        if (cancelled) sub.reject(); else sub.accept();
        return sub.result();
    };
    Click("manageDelimiters");
    EXPECT_EQ(combo->findText("?"), -1);
    EXPECT_NE(combo->findText("*"), -1);
    EXPECT_EQ(combo->currentIndex(), 0);  // the previous choice is gone
    EXPECT_TRUE(options.Map(Opt::EXCDELMMAP).count("?"));
    EXPECT_EQ(memory.delimiters.entry, " ");

    cancelled = true;
    dialog->runListDialog = [&](ListSettingsDialog& sub) {
        EXPECT_EQ(sub.Kind(), qf::ListDialogKind::Comments);
        sub.show();
        sub.findChild<QPushButton*>("allToExclude")->click();
        sub.findChild<QPushButton*>("cancel")->click();  // refused: Include is empty
        EXPECT_TRUE(sub.isVisible());
        sub.findChild<QPushButton*>("allToInclude")->click();
        sub.reject();
        return sub.result();
    };
    const qf::OptionMap comments = options.Map(Opt::INCCOMMMAP);
    Click("manageComments");
    EXPECT_EQ(messages.Last().caption, "Warning    Msg no: 0085.");
    EXPECT_EQ(options.Map(Opt::INCCOMMMAP), comments);
}

}  // namespace
}  // namespace qftest
