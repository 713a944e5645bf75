// The file name(s) and type(s) dialog driven through its controls.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

#include "shell/dialog_test_support.h"
#include "shell/file_types_dialog.h"

using namespace qf::shell;

namespace qftest {
namespace {

class FileTypesDialogTest : public DialogTest<FileTypesDialog> {
protected:
    void SetText(const char* combo, const QString& text) { Child<QComboBox>(combo)->setEditText(text); }
    QStringList Items(const char* name) {
        QStringList items;
        if (auto* list = dialog->findChild<QListWidget*>(QString::fromLatin1(name))) {
            for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
        } else if (auto* combo = dialog->findChild<QComboBox*>(QString::fromLatin1(name))) {
            for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
        }
        return items;
    }
};

TEST_F(FileTypesDialogTest, OkRefusesInOrderAndChangesNothingUntilEveryCheckPasses) {
    Open();
    before = options;
    // Changes that an early refusal must not let through.
    Press("exceptExcluded");
    Child<QCheckBox>("confirm")->setChecked(true);
    Press("allToExclude");
    ExpectRefused("Warning    Msg no: 0108.", "Included window is empty !\n\nAction: You must enter at least one file type.");

    Child<QListWidget>("excludeList")->findItems("txt", Qt::MatchExactly).front()->setSelected(true);
    Press("toInclude");
    Press("unzip");
    SetText("zipNames", "   ");
    ExpectRefused("Warning !    Msg no: 0248",
                  "Zip file name control is empty!!!\n\nYou must enter a valid file name or uncheck the UNZIP check box.");
    SetText("zipNames", "a.zip \"b.zip\"");
    ExpectRefused("Warning !    Msg no: 0246", "Illegal character(s) \" in the Zip file name control!!!");
    SetText("zipNames", "a.zip a.rar");
    ExpectRefused("Warning !    Msg no: 0247",
                  "Illegal file extension in the Zip file name control !!!\n\n"
                  "You can enter only file names with ZIP extension.");
    SetText("zipNames", "a.zip B.ZIP");
    SetText("fileNames", "");
    ExpectRefused("Warning !    Msg no: 0248", "File name control is empty!!!\n\nYou must enter a valid file name.");

    // Once the names are valid everything is stored together.
    SetText("fileNames", "*.txt");
    EXPECT_TRUE(PressOk());
    EXPECT_EQ(options.Int(qf::Opt::EXCFILETPS), 1);
    EXPECT_EQ(options.Int(qf::Opt::ALLFILETPS), 0);
    EXPECT_EQ(options.Int(qf::Opt::EXCCONFIRM), 1);
    EXPECT_EQ(options.Map(qf::Opt::INCFILEMAP), (qf::OptionMap{{"txt", 0}}));
    EXPECT_EQ(options.List(qf::Opt::ZFILENAMES), (qf::OptionList{"a.zip", "B.ZIP"}));
    EXPECT_EQ(options.List(qf::Opt::FILENAMES1), qf::OptionList{"*.txt"});
}

TEST_F(FileTypesDialogTest, EachNameWithoutAPeriodIsAskedAboutInTurn) {
    Open();
    before = options;
    SetText("fileNames", "README b.txt Makefile");
    messages.ScriptAnswer(qf::MsgAnswer::Yes);
    messages.ScriptAnswer(qf::MsgAnswer::No);
    EXPECT_FALSE(PressOk());
    const auto asked = messages.Messages();
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].caption, "Warning !    Msg no: 0251");
    EXPECT_EQ(asked[0].text, "Period (.) is missing from : 2 file names.\nNo: 1/2 is : README\nDo you want to accept it ?");
    EXPECT_EQ(asked[1].text, "Period (.) is missing from : 2 file names.\nNo: 2/2 is : Makefile\nDo you want to accept it ?");
    EXPECT_EQ(asked[0].buttons, qf::MsgButtons::YesNo);
    EXPECT_EQ(asked[0].defaultAnswer, qf::MsgAnswer::No);
    EXPECT_TRUE(options == before);

    messages.ScriptAnswer(qf::MsgAnswer::Yes);
    messages.ScriptAnswer(qf::MsgAnswer::Yes);
    EXPECT_TRUE(PressOk());
    EXPECT_EQ(options.List(qf::Opt::FILENAMES1), (qf::OptionList{"README", "b.txt", "Makefile"}));
}

TEST_F(FileTypesDialogTest, TypesChosenByExtensionStoreTheirRulesAndTheTermRules) {
    Open();
    Press("byTypes");
    EXPECT_FALSE(Child<QComboBox>("fileNames")->isEnabled());
    Press("selectOne");
    Child<QComboBox>("selectOneType")->setCurrentText("txt");
    Child<QCheckBox>("includeRule")->setChecked(true);
    Child<QLineEdit>("includeTerms")->setText("  draft final ");
    Child<QLineEdit>("excludeTerms")->setText("old");  // its box stays unchecked
    ASSERT_TRUE(PressOk());
    EXPECT_EQ(options.Int(qf::Opt::MATCHFILTY), 1);
    EXPECT_EQ(options.Int(qf::Opt::MATCHFILNA), 0);
    EXPECT_EQ(options.List(qf::Opt::FILENAMES1), qf::OptionList{"*.*"});
    EXPECT_EQ(options.Int(qf::Opt::SELONEFLTS), 1);
    EXPECT_EQ(options.Text(qf::Opt::SELONEFILE), "txt");
    EXPECT_EQ(options.Int(qf::Opt::SELONEFILE), Items("selectOneType").indexOf("txt"));
    EXPECT_EQ(options.Int(qf::Opt::FILEISTRCH), 1);
    EXPECT_EQ(options.Text(qf::Opt::FILEICRITE), "draft final");
    EXPECT_EQ(options.Int(qf::Opt::FILEESTRCH), 0);
    EXPECT_EQ(options.Text(qf::Opt::FILEECRITE), "");
    EXPECT_EQ(options.Int(qf::Opt::CONVZIPCHK), 0);
    EXPECT_EQ(options.Text(qf::Opt::ZFNDFLTEXT), " ");

    // Reopened, the dialog shows what was stored.
    Open();
    EXPECT_TRUE(Child<QRadioButton>("byTypes")->isChecked());
    EXPECT_TRUE(Child<QRadioButton>("selectOne")->isChecked());
    EXPECT_EQ(Child<QComboBox>("selectOneType")->currentText(), QStringLiteral("txt"));
    EXPECT_EQ(Child<QLineEdit>("includeTerms")->text(), QStringLiteral("draft final"));
    EXPECT_EQ(Child<QComboBox>("zipNames")->currentText(), QString());
}

TEST_F(FileTypesDialogTest, AddingATypeTrimsAndLowersItAndRefusesEmptyOrListedTypes) {
    Open();
    auto* edit = Child<QLineEdit>("typeEdit");
    const std::pair<const char*, const char*> refusals[] = {
        {"   ", "Warning !    Msg no: 0028."}, {"BAK", "Warning !    Msg no: 0199."}, {" Txt", "Warning !    Msg no: 0029."}};
    for (const auto& [text, caption] : refusals) {
        messages.Clear();
        edit->setText(QString::fromLatin1(text));
        Press("addType");
        ASSERT_EQ(messages.Count(), 1u) << text;
        EXPECT_EQ(messages.Last().caption, caption);
    }
    const int count = Items("includeList").size();
    edit->setText("  RST ");
    Press("addType");
    EXPECT_EQ(Items("includeList").size(), count + 1);
    EXPECT_TRUE(Items("includeList").contains("rst"));
    EXPECT_TRUE(Items("selectOneType").contains("rst"));  // "Select one:" follows the Include list
    EXPECT_TRUE(edit->text().isEmpty());
}

TEST_F(FileTypesDialogTest, TypeChoicesNeedingTheIncludeListFollowIt) {
    Open();
    Press("includedOnly");
    Press("allToExclude");
    EXPECT_TRUE(Child<QRadioButton>("allTypes")->isChecked());
    EXPECT_FALSE(Child<QRadioButton>("includedOnly")->isEnabled());
    EXPECT_FALSE(Child<QRadioButton>("selectOne")->isEnabled());
    EXPECT_TRUE(Items("selectOneType").isEmpty());

    // Choosing types with nothing to choose from is refused on the spot.
    Press("byTypes");
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Warning    Msg no: 0108.");
    EXPECT_TRUE(Child<QRadioButton>("byNames")->isChecked());

    Press("allToInclude");
    EXPECT_TRUE(Child<QRadioButton>("selectOne")->isEnabled());
    EXPECT_EQ(Items("selectOneType"), Items("includeList"));
    EXPECT_TRUE(Items("excludeList").isEmpty());
}

TEST_F(FileTypesDialogTest, DeletingFromTheExcludeListAsksWhenConfirmedAndKeepsNoext) {
    options.SetMap(qf::Opt::EXCFILEMAP, {{"bak", 0}, {"noext", 0}, {"old", 0}});
    options.SetInt(qf::Opt::EXCCONFIRM, 1);
    Open();
    Child<QListWidget>("excludeList")->selectAll();
    messages.ScriptAnswer(qf::MsgAnswer::Yes);
    Press("deleteItem");
    ASSERT_EQ(messages.Count(), 2u);
    EXPECT_EQ(messages.Messages()[0].caption, "Warning !    Msg no: 0161-1.");
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 0161-3.");
    EXPECT_EQ(messages.Last().text, "Impossible to delete :  \n          noext");
    EXPECT_EQ(Items("excludeList"), QStringList{"noext"});

    // Moves keep item values and carry the move captions.
    Child<QListWidget>("excludeList")->selectAll();
    Press("toInclude");
    EXPECT_TRUE(Items("excludeList").isEmpty());
    Press("removeAllItems");  // empty: nothing asked
    EXPECT_EQ(messages.Count(), 2u);

    Child<QCheckBox>("confirm")->setChecked(false);
    Child<QListWidget>("includeList")->selectAll();
    Press("toExclude");
    Press("removeAllItems");
    EXPECT_EQ(messages.Count(), 2u);
    EXPECT_EQ(Items("excludeList"), QStringList{"noext"});
}

TEST_F(FileTypesDialogTest, AcceptedTextsJoinTheDropDownListsForTheProgramsRun) {
    Open();
    for (const char* names : {"*.txt", "*.cpp *.h", "*.txt"}) {
        dialog->show();  // each showing reloads from the options
        SetText("fileNames", QString::fromLatin1(names));
        Child<QCheckBox>("unzip")->setChecked(true);
        SetText("zipNames", "a.zip");
        ASSERT_TRUE(PressOk()) << names;
    }
    dialog->show();
    EXPECT_EQ(Items("fileNames"), (QStringList{"*.txt", "*.cpp *.h"}));
    EXPECT_EQ(Child<QComboBox>("fileNames")->currentText(), QStringLiteral("*.txt"));
    EXPECT_EQ(Items("zipNames"), QStringList{"a.zip"});
    // The search uses only the names of the accepted text.
    EXPECT_EQ(options.List(qf::Opt::FILENAMES1), qf::OptionList{"*.txt"});

    // CANCEL keeps the options and adds nothing.
    SetText("fileNames", "*.md");
    Press("cancel");
    EXPECT_EQ(options.Text(qf::Opt::CRFILETEXT), "*.txt");
    dialog->show();
    EXPECT_FALSE(Items("fileNames").contains("*.md"));
}

}  // namespace
}  // namespace qftest
