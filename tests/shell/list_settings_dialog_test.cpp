// The delimiter and comment-string dialogs driven through their controls.

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "control_lookup.h"
#include "platform/user_messages.h"
#include "settings/default_lists.h"
#include "settings/options.h"
#include "shell/list_settings_dialog.h"

using namespace qf::shell;
using qf::ListDialogKind;

namespace qftest {
namespace {

class ListSettingsDialogTest : public ::testing::Test {
protected:
    ListSettingsDialogTest() { qf::LoadDefaultLists(options); }

    ListSettingsDialog& Open(ListDialogKind kind) {
        dialog = std::make_unique<ListSettingsDialog>(
            kind, options, messages, kind == ListDialogKind::Delimiters ? memory.delimiters : memory.comments);
        dialog->show();
        return *dialog;
    }
    template <typename T>
    T* Child(const QString& name) { return ChildOf<T>(*dialog, name); }
    void Press(const char* name) { Child<QPushButton>(name)->click(); }
    QLineEdit* Entry() { return Child<QLineEdit>("entry"); }
    void Type(const QString& keys) { QTest::keyClicks(Entry(), keys); }
    void AddText(const QString& text) {
        Entry()->clear();
        Type(text);
        Press("add");
    }
    QStringList Items(const char* list) {
        QStringList items;
        auto* w = Child<QListWidget>(list);
        for (int i = 0; i < w->count(); ++i) items << w->item(i)->text();
        return items;
    }
    void Select(const char* list, const QString& text) {
        auto* w = Child<QListWidget>(list);
        w->clearSelection();
        for (int i = 0; i < w->count(); ++i)
            if (w->item(i)->text() == text) w->item(i)->setSelected(true);
    }

    qf::Options options;
    qf::RecordingMessages messages;
    TextListMemory memory;
    std::unique_ptr<ListSettingsDialog> dialog;
};

TEST_F(ListSettingsDialogTest, AddRefusesEmptyAndListedItemsWithEachDialogsCaptions) {
    struct Case {
        ListDialogKind kind;
        QString empty, inInclude, inExclude, fresh;
        const char *emptyCaption, *includeCaption, *excludeCaption;
    };
    const Case cases[] = {
        {ListDialogKind::Delimiters, " ", "!", "+", "*", "Warning !    Msg no: 0026.", "Warning !    Msg no: 0027.",
         "Warning !    Msg no: 0198."},
        {ListDialogKind::Comments, " ", "//", "/", "--", "Warning !    Msg no: 0023.", "Warning !    Msg no: 0024.",
         "Warning !    Msg no: 0197."}};
    for (const Case& c : cases) {
        Open(c.kind);
        const QStringList before = Items("includeList");
        for (const auto& [text, caption] : {std::pair{c.empty, c.emptyCaption}, std::pair{c.inInclude, c.includeCaption},
                                            std::pair{c.inExclude, c.excludeCaption}}) {
            messages.Clear();
            AddText(text);
            ASSERT_EQ(messages.Count(), 1u) << text.toStdString();
            EXPECT_EQ(messages.Last().caption, caption);
            EXPECT_EQ(messages.Last().icon, qf::MsgIcon::Warning);
        }
        EXPECT_EQ(Items("includeList"), before);
        messages.Clear();
        AddText(c.fresh);
        EXPECT_EQ(messages.Count(), 0u);
        EXPECT_EQ(Items("includeList").back(), c.fresh);
        EXPECT_EQ(Entry()->text(), " ");  // the blank left after an Add
    }
}

TEST_F(ListSettingsDialogTest, EntryLengthLimitRisesAfterAddAndAtLaterOpeningsButNeverAdmitsLongerItems) {
    Open(ListDialogKind::Delimiters);
    Type("ab");
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Warnings !    Msg no: 0025.");
    EXPECT_EQ(messages.Last().text, "It's only possible one character to add !!!");
    EXPECT_EQ(Entry()->text(), "a");
    Press("add");
    Type("*");  // after the blank left by Add
    EXPECT_EQ(Entry()->text(), " *");
    EXPECT_EQ(messages.Count(), 1u);

    // A later opening: the raised limit, yet two characters besides blanks are refused.
    Open(ListDialogKind::Delimiters);
    EXPECT_EQ(Entry()->text(), "");
    messages.Clear();
    Type("ab");
    EXPECT_EQ(messages.Count(), 1u);
    EXPECT_EQ(Entry()->text(), "a");

    Open(ListDialogKind::Comments);
    messages.Clear();
    Type("abc");
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Warnings !    Msg no: 0022.");
    EXPECT_EQ(Entry()->text(), "ab");
}

TEST_F(ListSettingsDialogTest, EmptyIncludeListKeepsTheDialogOpenOnOkAndCancel) {
    const std::tuple<ListDialogKind, const char*, const char*> cases[] = {
        {ListDialogKind::Delimiters, "Warning    Msg no: 0086.", "Warning    Msg no: 0087."},
        {ListDialogKind::Comments, "Warning    Msg no: 0084.", "Warning    Msg no: 0085."}};
    for (const auto& [kind, okCaption, cancelCaption] : cases) {
        const qf::Options before = options;
        Open(kind);
        Press("allToExclude");
        EXPECT_TRUE(Items("includeList").isEmpty());
        messages.Clear();
        Press("ok");
        Press("cancel");
        ASSERT_EQ(messages.Count(), 2u);
        EXPECT_EQ(messages.Messages()[0].caption, okCaption);
        EXPECT_EQ(messages.Messages()[1].caption, cancelCaption);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_TRUE(options == before);
        Press("allToInclude");
        Press("cancel");
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_TRUE(options == before);
    }
}

TEST_F(ListSettingsDialogTest, SpaceSurvivesDeletionAndConfirmationAsksFirst) {
    Open(ListDialogKind::Delimiters);
    Select("includeList", "space");
    Child<QListWidget>("includeList")->item(0)->setSelected(true);  // "!" as well
    Press("deleteItem");
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 0157-3.");
    EXPECT_EQ(messages.Last().text, "Impossible to delete :  \n          space");
    EXPECT_TRUE(Items("includeList").contains("space"));
    EXPECT_FALSE(Items("includeList").contains("!"));

    Child<QCheckBox>("confirm")->setChecked(true);
    messages.Clear();
    messages.ScriptAnswer(qf::MsgAnswer::No);
    Press("removeAll");
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 0158-1.");
    EXPECT_EQ(messages.Last().buttons, qf::MsgButtons::YesNo);
    EXPECT_GT(Items("includeList").size(), 1);
    messages.ScriptAnswer(qf::MsgAnswer::Yes);
    Press("removeAll");
    EXPECT_EQ(Items("includeList"), QStringList{"space"});

    // The Exclude list is the one acted on once something is selected there.
    Select("excludeList", "+");
    Child<QCheckBox>("confirm")->setChecked(false);
    Press("deleteItem");
    EXPECT_FALSE(Items("excludeList").contains("+"));
    EXPECT_EQ(Items("includeList"), QStringList{"space"});
}

TEST_F(ListSettingsDialogTest, OkStoresListsLowercasedWithConfirmFlagAndKeepsEntryForNextOpening) {
    options.SetText(qf::Opt::SELONECHAR, "#");
    Open(ListDialogKind::Comments);
    AddText("Rm");
    Select("includeList", "#");
    Press("toExclude");
    Select("excludeList", "/");
    Press("toInclude");
    Child<QCheckBox>("confirm")->setChecked(true);
    Type("x");
    Press("ok");
    EXPECT_FALSE(dialog->isVisible());
    const qf::OptionMap& included = options.Map(qf::Opt::INCCOMMMAP);
    EXPECT_TRUE(included.count("rm"));
    EXPECT_TRUE(included.count("/"));
    EXPECT_FALSE(included.count("#"));
    EXPECT_TRUE(options.Map(qf::Opt::EXCCOMMMAP).count("#"));
    EXPECT_TRUE(options.On(qf::Opt::COMCONFIRM));
    EXPECT_NE(options.Text(qf::Opt::SELONECHAR), "#");  // the chosen string left the list

    Open(ListDialogKind::Comments);
    EXPECT_EQ(Entry()->text(), " x");
    Type("y");
    Press("cancel");
    Open(ListDialogKind::Comments);
    EXPECT_EQ(Entry()->text(), " x");  // CANCEL keeps the text of the last OK
}

}  // namespace
}  // namespace qftest
