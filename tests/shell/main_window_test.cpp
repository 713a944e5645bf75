// The main window as created, and its mode rules.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTextEdit>

#include "shell/record_view_window.h"
#include "shell/result_model.h"
#include "window_fixture.h"

using namespace qf::shell;

namespace qftest {
namespace {


TEST_F(WindowTest, CreatesEveryControlWithItsCaptionAndNumber) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral(" Quillfind  2.00    -               "));
    const std::pair<int, const char*> captions[] = {
        {101, "Search MODE"}, {108, "Search OPTIONS"}, {113, "Search FEEDBACK"}, {118, "Manage RESULTS"},
        {1584, "Click on the result line"}};
    for (const auto& [id, caption] : captions) EXPECT_EQ(Control<QGroupBox>(id)->title(), caption) << id;
    const std::pair<int, const char*> buttons[] = {
        {102, "By file name"}, {103, "Query text in: "}, {107, "File content"}, {104, "File name"},
        {105, "File extension"}, {106, "Folder name"}, {109, "Select FOLDER(s)"}, {110, "Select FILE(s)"},
        {111, "Select TEXT Options"}, {112, "Set Date/Time/Size"}, {115, "Check Tavilan"}, {116, "Show Tavilan."},
        {132, "Statistics"}, {154, "LOG Center"}, {120, "Group/Sort/Misc."}, {119, "Extract/Reports"},
        {153, "Smart Copy"}, {135, "Search"}, {137, "Stop"}, {123, "Standard Text Query :"},
        {127, "Boolean Text Query :"}, {129, "Micro (line) Boolean Text Query :"}, {130, "Boolean Assistant"},
        {1586, "Open the Preview Window "}, {1585, "Open the Default Application :"}, {138, "Record View"}};
    for (const auto& [id, caption] : buttons) EXPECT_EQ(Control<QAbstractButton>(id)->text(), caption) << id;
    EXPECT_TRUE(Control<QPushButton>(kIdSearch)->isDefault());
    for (int id : {kIdStandardBox, kIdBooleanEditor, kIdPreview, kIdResultWindow}) Control(id);
}

TEST_F(WindowTest, ResultWindowHasTheTwentyEightColumns) {
    auto* view = Control<QTableView>(kIdResultWindow);
    ASSERT_EQ(view->model()->columnCount(), 28);
    EXPECT_EQ(view->model()->headerData(9, Qt::Horizontal).toString(),
              QStringLiteral("Folder Name (Full path to File/SubFolder)"));
    EXPECT_EQ(view->model()->headerData(27, Qt::Horizontal).toString(), QStringLiteral("Type"));
    EXPECT_EQ(view->horizontalHeader()->sectionSize(9), 285);
    EXPECT_EQ(view->horizontalHeader()->sectionSize(25), 30);
    EXPECT_TRUE(ResultColumns()[11].rightAligned);  // "Size"
    EXPECT_FALSE(ResultColumns()[7].rightAligned);
}

TEST_F(WindowTest, StartsInStandardContentSearchWithPreviewOnClick) {
    EXPECT_TRUE(Control<QRadioButton>(kIdQueryTextIn)->isChecked());
    EXPECT_TRUE(Control<QCheckBox>(kIdFileContent)->isChecked());
    EXPECT_TRUE(Control<QRadioButton>(kIdStandardQuery)->isChecked());
    EXPECT_TRUE(Control<QRadioButton>(kIdOpenPreview)->isChecked());
    EXPECT_FALSE(Control<QRadioButton>(kIdOpenDefaultApp)->isChecked());
    EXPECT_TRUE(Control(kIdBooleanEditor)->isHidden());
    EXPECT_FALSE(Control(kIdBooleanEditor)->isEnabled());
    EXPECT_TRUE(Control(kIdShowTavilan)->isHidden());
    EXPECT_FALSE(Control(kIdCheckTavilan)->isHidden());
}

TEST_F(WindowTest, UncheckingTheLastTargetFallsBackToByFileName) {
    Click(kIdFileContent);  // the only target checked at start
    EXPECT_TRUE(Control<QRadioButton>(kIdByFileName)->isChecked());
    EXPECT_FALSE(Control<QRadioButton>(kIdQueryTextIn)->isChecked());
    for (int id : {kIdStandardQuery, kIdBooleanQuery, kIdMicroBoolean}) {
        EXPECT_FALSE(Control<QRadioButton>(id)->isChecked()) << id;
        EXPECT_FALSE(Control(id)->isEnabled()) << id;
    }
    for (int id : {kIdFileContent, kIdFileName, kIdFileExtension, kIdFolderName}) EXPECT_FALSE(Control(id)->isEnabled());
    EXPECT_FALSE(Control(kIdStandardBox)->isEnabled());
    EXPECT_FALSE(Control(kIdStandardBox)->isHidden());
    EXPECT_FALSE(Control(kIdTextOptions)->isEnabled());
    EXPECT_TRUE(Control(kIdSelectFiles)->isEnabled());
    EXPECT_EQ(options().Int(qf::Opt::STANRADIO1), 0);
}

TEST_F(WindowTest, FolderNameAloneDisablesSelectFiles) {
    Click(kIdFolderName);
    Click(kIdFileContent);
    EXPECT_FALSE(Control(kIdSelectFiles)->isEnabled());
    Click(kIdFileName);
    EXPECT_TRUE(Control(kIdSelectFiles)->isEnabled());
}

TEST_F(WindowTest, QueryTextInRestoresTheStandardContentSearch) {
    Click(kIdByFileName);
    Click(kIdQueryTextIn);
    EXPECT_FALSE(Control<QRadioButton>(kIdByFileName)->isChecked());
    EXPECT_TRUE(Control<QCheckBox>(kIdFileContent)->isChecked());
    EXPECT_FALSE(Control<QCheckBox>(kIdFileName)->isChecked());
    EXPECT_TRUE(Control<QRadioButton>(kIdStandardQuery)->isChecked());
    EXPECT_TRUE(Control(kIdStandardQuery)->isEnabled());
    EXPECT_TRUE(Control(kIdStandardBox)->isEnabled());
    EXPECT_EQ(options().Int(qf::Opt::STANRADIO1), 1);
}

TEST_F(WindowTest, BooleanKindsSwapTheQueryEditors) {
    Click(kIdMicroBoolean);
    EXPECT_TRUE(Control(kIdStandardBox)->isHidden());
    EXPECT_FALSE(Control(kIdBooleanEditor)->isHidden());
    EXPECT_TRUE(Control(kIdBooleanEditor)->isEnabled());
    EXPECT_TRUE(Control<QCheckBox>(kIdBooleanAssistant)->isChecked());
    EXPECT_FALSE(Control<QRadioButton>(kIdStandardQuery)->isChecked());
    EXPECT_EQ(options().Int(qf::Opt::MICROBOOLR), 1);
    EXPECT_EQ(options().Int(qf::Opt::STANRADIO1), 0);

    Click(kIdStandardQuery);
    EXPECT_FALSE(Control(kIdStandardBox)->isHidden());
    EXPECT_TRUE(Control(kIdBooleanEditor)->isHidden());
    EXPECT_FALSE(Control<QCheckBox>(kIdBooleanAssistant)->isChecked());
    EXPECT_FALSE(Control(kIdBooleanAssistant)->isEnabled());
    EXPECT_FALSE(Control<QRadioButton>(kIdMicroBoolean)->isChecked());
}

TEST_F(WindowTest, RecordViewWithNoResultsStaysUnchecked) {
    Click(kIdRecordView);
    EXPECT_FALSE(Control<QCheckBox>(kIdRecordView)->isChecked());
    EXPECT_TRUE(window->RecordView().isHidden());
}

TEST_F(WindowTest, ClickActionsAreRadiosOfOneGroup) {
    Click(kIdOpenDefaultApp);
    EXPECT_TRUE(Control<QRadioButton>(kIdOpenDefaultApp)->isChecked());
    EXPECT_FALSE(Control<QRadioButton>(kIdOpenPreview)->isChecked());
    Click(kIdOpenDefaultApp);  // clicking the checked one keeps it
    EXPECT_TRUE(Control<QRadioButton>(kIdOpenDefaultApp)->isChecked());
}

}  // namespace
}  // namespace qftest
