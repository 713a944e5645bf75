// The folders dialog and the list editor it shares with the other dialogs.

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

#include "control_lookup.h"
#include "platform/user_messages.h"
#include "settings/options.h"
#include "shell/folders_dialog.h"
#include "shell/list_editor.h"

using namespace qf::shell;

namespace qftest {
namespace {

class FoldersDialogTest : public ::testing::Test {
protected:
    void Open() {
        dialog = std::make_unique<FoldersDialog>(options, messages, [this] {
            const QString next = chosen.isEmpty() ? QString() : chosen.front();
            if (!chosen.isEmpty()) chosen.pop_front();
            return next;
        });
    }
    template <typename T>
    T* Child(const QString& name) { return ChildOf<T>(*dialog, name); }
    void Press(const char* name) { Child<QPushButton>(name)->click(); }
    QStringList Items(const char* list) {
        QStringList items;
        auto* w = Child<QListWidget>(list);
        for (int i = 0; i < w->count(); ++i) items << w->item(i)->text();
        return items;
    }
    void Add(const char* button, const QString& folder) {
        chosen << folder;
        Press(button);
    }

    qf::Options options;
    qf::RecordingMessages messages;
    QStringList chosen;
    std::unique_ptr<FoldersDialog> dialog;
};

TEST_F(FoldersDialogTest, AddingAFolderAlreadyListedIsRefusedWithItsMessage) {
    options.SetList(qf::Opt::DIRECTORIS, {"/data/in"});
    options.SetList(qf::Opt::IGNDIRECTS, {"/data/out"});
    options.SetList(qf::Opt::EXCDIRECTS, {"/data/parked"});
    Open();
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"addInclude", "/data/in", "Warning !    Msg no: 0130."},
        {"addInclude", "/data/out", "Warning !    Msg no: 0134."},
        {"addTemporary", "/data/parked", "Warning !    Msg no: 0131."},
        {"addExclude", "/data/out", "Warning !    Msg no: 0132."},
        {"addExclude", "/data/in", "Warning !    Msg no: 0133."}};
    for (const auto& [button, folder, caption] : cases) {
        messages.Clear();
        Add(button, QString::fromLatin1(folder));
        ASSERT_EQ(messages.Count(), 1u) << button << folder;
        EXPECT_EQ(messages.Last().caption, caption);
        EXPECT_EQ(messages.Last().icon, qf::MsgIcon::Warning);
    }
    EXPECT_EQ(Items("includeList"), QStringList{"/data/in"});
    EXPECT_EQ(Items("excludeList"), QStringList{"/data/out"});
    EXPECT_EQ(messages.Last().text, "This folder is already exists in the Include window!\n\n");
    // A different letter case names a different folder here.
    messages.Clear();
    Add("addInclude", "/data/IN");
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_EQ(Items("includeList"), (QStringList{"/data/in", "/data/IN"}));
}

TEST_F(FoldersDialogTest, DeletingAsksOnlyWhenConfirmationIsOn) {
    options.SetList(qf::Opt::DIRECTORIS, {"/a", "/b"});
    options.SetInt(qf::Opt::FOLCONFIRM, 1);
    Open();
    auto* include = Child<QListWidget>("includeList");
    include->item(0)->setSelected(true);
    messages.ScriptAnswer(qf::MsgAnswer::No);
    Press("deleteInclude");
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 0163-1.");
    EXPECT_EQ(messages.Last().text, "Are you sure you want to delete selected item(s) from the list ?");
    EXPECT_EQ(messages.Last().defaultAnswer, qf::MsgAnswer::No);
    EXPECT_EQ(include->count(), 2);

    Press("removeAllExclude");  // an empty list asks nothing
    EXPECT_EQ(messages.Count(), 1u);

    Child<QCheckBox>("confirm")->setChecked(false);
    Press("deleteInclude");
    EXPECT_EQ(messages.Count(), 1u);
    EXPECT_EQ(Items("includeList"), QStringList{"/b"});
    Child<QCheckBox>("confirm")->setChecked(true);
    messages.ScriptAnswer(qf::MsgAnswer::Yes);
    Press("removeAllInclude");
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 0164-1.");
    EXPECT_EQ(include->count(), 0);
}

TEST_F(FoldersDialogTest, MovingSelectedFoldersKeepsNoDuplicateAndLimitsTheSelection) {
    qf::OptionList many;
    for (int i = 0; i < 513; ++i) many.push_back("/f" + std::to_string(i));
    options.SetList(qf::Opt::DIRECTORIS, many);
    options.SetList(qf::Opt::EXCDIRECTS, {"/f0"});
    Open();
    auto* include = Child<QListWidget>("includeList");
    include->selectAll();
    Press("toTemporary");
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 0169-2.");
    EXPECT_EQ(messages.Last().text, "Too many items selected.\n\nAction: Select less number of items.");
    EXPECT_EQ(include->count(), 513);

    include->item(512)->setSelected(false);  // 512 may move
    Press("toTemporary");
    EXPECT_EQ(messages.Count(), 1u);
    EXPECT_EQ(Items("includeList"), QStringList{"/f512"});
    EXPECT_EQ(Child<QListWidget>("temporaryList")->count(), 512);  // "/f0" was there already

    Press("allToExclude");
    Press("fromExclude");  // nothing selected: nothing happens
    EXPECT_EQ(Items("excludeList"), QStringList{"/f512"});
    EXPECT_TRUE(Items("includeList").isEmpty());
}

TEST_F(FoldersDialogTest, OkStoresListsAndTrimmedRulesWhileCancelChangesNothing) {
    Open();
    Add("addInclude", "/x");
    Child<QCheckBox>("subfolders")->setChecked(false);
    Child<QCheckBox>("includeRule")->setChecked(true);
    Child<QLineEdit>("includeTerms")->setText("  src docs  ");
    Child<QCheckBox>("excludeRule")->setChecked(true);
    Child<QLineEdit>("excludeTerms")->setText("   ");
    dialog->reject();
    EXPECT_TRUE(options.List(qf::Opt::DIRECTORIS).empty());

    dialog->accept();
    EXPECT_EQ(options.List(qf::Opt::DIRECTORIS), qf::OptionList{"/x"});
    EXPECT_EQ(options.Int(qf::Opt::SUBFOLDERS), 0);
    EXPECT_EQ(options.Int(qf::Opt::FOLDSTRCHK), 1);
    EXPECT_EQ(options.Text(qf::Opt::FOLDCRITER), "src docs");
    EXPECT_EQ(options.Int(qf::Opt::FOLDESTRCH), 0);  // a rule without terms is off
    EXPECT_EQ(options.Text(qf::Opt::FOLDECRITE), "");
}

TEST(ListEditorTest, TheProtectedItemSurvivesEveryDeletion) {
    QListWidget list;
    list.setSelectionMode(QAbstractItemView::ExtendedSelection);
    for (const char* text : {"a", "keep", "b"}) AddListItem(list, QString::fromLatin1(text), 7);
    qf::RecordingMessages messages;
    ListEditorRules rules;
    rules.captionPrefix = "Warning !    Msg no: 0173";
    rules.protectedItem = "keep";
    list.selectAll();
    DeleteSelected(list, rules, messages);
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.item(0)->text(), QStringLiteral("keep"));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 0173-3.");
    EXPECT_EQ(messages.Last().text, "Impossible to delete :  \n          keep");

    AddListItem(list, "c");
    DeleteAll(list, rules, messages);
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.item(0)->text(), QStringLiteral("keep"));
}

TEST(ListEditorTest, ItemValuesMoveWithTheirTexts) {
    QListWidget source;
    QListWidget target;
    QListWidget third;
    AddListItem(source, "txt", 3);
    AddListItem(source, "doc", 5);
    AddListItem(third, "doc");
    ListEditorRules rules;
    rules.third = &third;
    MoveAll(source, target, rules);
    EXPECT_EQ(source.count(), 0);
    ASSERT_EQ(target.count(), 1);  // "doc" is held by the third list
    EXPECT_EQ(target.item(0)->data(Qt::UserRole).toInt(), 3);
}

}  // namespace
}  // namespace qftest
