// Settings and search terms files written from the window and read back into it.

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QTextEdit>

#include "settings/settings_file.h"
#include "shell/settings_commands.h"
#include "window_fixture.h"

using namespace qf::shell;

namespace qftest {
namespace {

TEST_F(WindowTest, ASavedSettingsFileRestoresTheControls) {
    Click(kIdFolderName);
    Click(kIdBooleanQuery);
    Control<QTextEdit>(kIdBooleanEditor)->setPlainText("(a .AND. b)");
    Click(kIdOpenDefaultApp);
    const std::string file = home / "mine.SET";
    ASSERT_TRUE(window->Settings().SaveSettingsTo(file));

    Click(kIdByFileName);
    Click(kIdOpenPreview);
    Control<QTextEdit>(kIdBooleanEditor)->clear();
    ASSERT_TRUE(window->Settings().OpenSettingsFrom(file));

    EXPECT_TRUE(Control<QRadioButton>(kIdQueryTextIn)->isChecked());
    EXPECT_FALSE(Control<QRadioButton>(kIdByFileName)->isChecked());
    EXPECT_TRUE(Control<QCheckBox>(kIdFolderName)->isChecked());
    EXPECT_TRUE(Control<QCheckBox>(kIdFileContent)->isChecked());
    EXPECT_TRUE(Control<QRadioButton>(kIdBooleanQuery)->isChecked());
    EXPECT_TRUE(Control(kIdBooleanQuery)->isEnabled());
    EXPECT_FALSE(Control(kIdBooleanEditor)->isHidden());
    EXPECT_TRUE(Control(kIdBooleanEditor)->isEnabled());
    EXPECT_TRUE(Control(kIdStandardBox)->isHidden());
    EXPECT_EQ(Control<QTextEdit>(kIdBooleanEditor)->toPlainText(), QStringLiteral("(a .AND. b)"));
    EXPECT_TRUE(Control<QRadioButton>(kIdOpenDefaultApp)->isChecked());
    EXPECT_FALSE(Control<QRadioButton>(kIdOpenPreview)->isChecked());
}

// The two mode radios are one choice: a saved file holds exactly the one shown.
TEST_F(WindowTest, ASavedFileHoldsTheSearchModeShown) {
    const std::string file = home / "mode.SET";
    for (const bool byName : {true, false}) {
        Click(byName ? kIdByFileName : kIdQueryTextIn);
        ASSERT_TRUE(window->Settings().SaveSettingsTo(file));
        qf::Options saved;
        ASSERT_TRUE(qf::LoadSettingsFile(saved, file, messages));
        EXPECT_EQ(saved.Int(qf::Opt::STYDOSFILE), byName ? 1 : 0);
        EXPECT_EQ(saved.Int(qf::Opt::SRCTYOTHER), byName ? 0 : 1);
    }
}

TEST_F(WindowTest, DefaultFilesLiveInTheApplicationHome) {
    Control<QComboBox>(kIdStandardBox)->addItem("older query");
    Control<QComboBox>(kIdStandardBox)->setEditText("\"exact phrase\" word");
    window->Settings().SaveSettings();
    window->Settings().SaveTerms();
    EXPECT_TRUE(Exists(home / "default.SET"));
    EXPECT_TRUE(Exists(home / "default.TRMS"));

    Control<QComboBox>(kIdStandardBox)->clear();
    Control<QComboBox>(kIdStandardBox)->setEditText("");
    window->Settings().OpenTerms();
    EXPECT_EQ(Control<QComboBox>(kIdStandardBox)->currentText(), QStringLiteral("\"exact phrase\" word"));
    EXPECT_EQ(Control<QComboBox>(kIdStandardBox)->findText("older query"), 0);
    EXPECT_EQ(messages.Count(), 0u);
}

// With RESTORELST the folders, query and options of the last session come
// back at the next start; the user's own default files are never written.
TEST_F(WindowTest, TheLastSessionComesBackOnlyWhenAsked) {
    WriteFile(home / "default.SET", "the user's own");
    options().SetList(qf::Opt::DIRECTORIS, {data.Path()});
    Control<QComboBox>(kIdStandardBox)->setEditText("needle \"in a haystack\"");
    Click(kIdFolderName);
    window->close();
    EXPECT_FALSE(Exists(home / "last-session.SET"));  // off by default: nothing is kept

    options().SetInt(qf::Opt::RESTORELST, 1);
    window->show();
    window->close();
    ASSERT_TRUE(Exists(home / "last-session.SET"));
    ASSERT_TRUE(Exists(home / "last-session.TRMS"));
    EXPECT_EQ(ReadFile(home / "default.SET"), "the user's own");

    qf::Session next(home.Path());
    MainWindow again(next, messages);
    EXPECT_TRUE(next.state.options.List(qf::Opt::DIRECTORIS).empty());  // nothing read before it is asked for
    again.RestoreLastSession();
    EXPECT_EQ(next.state.options.List(qf::Opt::DIRECTORIS), qf::OptionList{data.Path()});
    EXPECT_EQ(next.state.options.Int(qf::Opt::RESTORELST), 1);
    EXPECT_EQ(again.findChild<QComboBox*>(IdName(kIdStandardBox))->currentText(),
              QStringLiteral("needle \"in a haystack\""));
    EXPECT_TRUE(again.findChild<QCheckBox*>(IdName(kIdFolderName))->isChecked());
    EXPECT_EQ(messages.Count(), 0u);

    // Switched off, the next exit removes what the program kept.
    next.state.options.SetInt(qf::Opt::RESTORELST, 0);
    again.show();
    again.close();
    EXPECT_FALSE(Exists(home / "last-session.SET"));
    EXPECT_FALSE(Exists(home / "last-session.TRMS"));
    EXPECT_TRUE(Exists(home / "default.SET"));
}

TEST(SettingsCommandsTest, WithoutAnApplicationHomeSavingIsRefused) {
    qf::Session session("");
    qf::RecordingMessages messages;
    MainWindow window(session, messages);
    window.Settings().SaveSettings();
    window.Settings().SaveTerms();
    ASSERT_EQ(messages.Count(), 2u);
    EXPECT_EQ(messages.Messages()[0].caption, "Severe Error!    Msg no: 0010.");
    EXPECT_EQ(messages.Messages()[1].caption, "Severe Error!    Msg no: 0012.");
    EXPECT_EQ(messages.Messages()[1].icon, qf::MsgIcon::Error);
}

}  // namespace
}  // namespace qftest
