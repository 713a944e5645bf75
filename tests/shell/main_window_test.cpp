// The main window as created, and its mode rules.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QGroupBox>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTextEdit>

#include "shell/file_types_dialog.h"
#include "shell/record_view_window.h"
#include "shell/result_table_view.h"
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
    // Never narrower than the base widths, whatever the font.
    for (int column : {1, 4, 9, 11, 12, 25}) {
        EXPECT_GE(view->horizontalHeader()->sectionSize(column), ResultColumns()[size_t(column)].width) << column;
        EXPECT_FALSE(view->horizontalHeader()->isSectionHidden(column)) << column;
    }
    // The placeholder columns keep their texts for the views but are not shown.
    for (int column : {0, 26, 27}) EXPECT_TRUE(view->horizontalHeader()->isSectionHidden(column)) << column;
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

namespace qftest {
namespace {

// A drag that enters the window and, when the window takes it, drops there.
bool DropOn(QWidget& window, const QList<QUrl>& urls) {
    QMimeData mime;
    mime.setUrls(urls);
    QDragEnterEvent enter(QPoint(40, 40), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    enter.ignore();
    QApplication::sendEvent(&window, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(QPointF(40, 40), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    return true;
}

// Folders dropped from a file manager join the Include list under the
// Folders dialog's rules; a dropped file is no folder to search.
TEST_F(WindowTest, DroppedFoldersJoinTheIncludeListOnce) {
    MakeDirs(data / "a");
    MakeDirs(data / "ignored");
    WriteFile(data / "file.txt", "x");
    options().SetList(qf::Opt::IGNDIRECTS, {data / "ignored"});
    const auto url = [this](const char* name) { return QUrl::fromLocalFile(QString::fromStdString(data / name)); };

    EXPECT_FALSE(DropOn(*window, {url("file.txt")}));
    EXPECT_TRUE(DropOn(*window, {url("a/"), url("file.txt"), url("ignored")}));
    EXPECT_EQ(options().List(qf::Opt::DIRECTORIS), qf::OptionList{data / "a"});
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 0134.");
    EXPECT_EQ(messages.Last().text, "This folder is already exists in the Ignore window!\n\n");

    EXPECT_TRUE(DropOn(*window, {url("a")}));
    EXPECT_EQ(options().List(qf::Opt::DIRECTORIS), qf::OptionList{data / "a"});
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 0130.");
}

// "Select FILE(s)" shows the patterns in use, so OK alone keeps them; the
// status line names them when they are not every file.
TEST_F(WindowTest, TheFileDialogStartsWithThePatternsInUse) {
    auto* note = window->findChild<QLabel*>(QStringLiteral("patternsNote"));
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->isHidden());
    const auto inDialog = [this](const QString& typed) {
        QString shown;
        QTimer::singleShot(0, [&] {
            auto* names = window->FileTypes().findChild<QComboBox*>(QStringLiteral("fileNames"));
            shown = names->currentText();
            if (!typed.isEmpty()) names->setEditText(typed);
            window->FileTypes().accept();
        });
        Click(kIdSelectFiles);
        return shown;
    };
    EXPECT_EQ(inDialog({}), QStringLiteral("*.*"));
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_EQ(options().List(qf::Opt::FILENAMES1), qf::OptionList{"*.*"});
    EXPECT_TRUE(note->isHidden());

    inDialog(QStringLiteral("*.txt \"my notes.*\""));
    EXPECT_EQ(inDialog({}), QStringLiteral("*.txt \"my notes.*\""));
    EXPECT_EQ(options().List(qf::Opt::FILENAMES1), (qf::OptionList{"*.txt", "my notes.*"}));
    EXPECT_FALSE(note->isHidden());
    EXPECT_EQ(note->text(), QStringLiteral("File names : *.txt \"my notes.*\""));
}

// A 1024 x 768 screen holds the whole window, and ten result rows show at its smallest.
TEST_F(WindowTest, TheSmallestWindowFitsA1024By768ScreenWithTenRows) {
    const QSize smallest = window->minimumSizeHint();
    EXPECT_LE(smallest.width(), 1024);
    EXPECT_LE(smallest.height(), 768 - 40);  // the title bar and a panel take the rest
    window->resize(smallest);
    QApplication::processEvents();
    auto* table = static_cast<ResultTableView*>(Control<QTableView>(kIdResultWindow));
    EXPECT_GE(table->VisibleRowCount(), 10);
}

}  // namespace
}  // namespace qftest
