#include "shell/main_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QTextEdit>
#include <QVBoxLayout>

#include "shell/control_ids.h"
#include "shell/preview_edit.h"
#include "shell/result_table_view.h"

namespace qf::shell {
namespace {

template <typename W>
W* Named(W* widget, int id, const char* tip) {
    widget->setObjectName(IdName(id));
    widget->setToolTip(QString::fromLatin1(tip));
    return widget;
}

QPushButton* Button(const char* caption, int id, const char* tip) {
    auto* button = Named(new QPushButton(QString::fromLatin1(caption)), id, tip);
    button->setMinimumHeight(30);
    return button;
}

// Radios are checked by the mode rules, which also uncheck a whole group.
QRadioButton* Radio(const char* caption, int id, const char* tip) {
    auto* radio = Named(new QRadioButton(QString::fromLatin1(caption)), id, tip);
    radio->setAutoExclusive(false);
    return radio;
}

QCheckBox* Check(const char* caption, int id, const char* tip) {
    return Named(new QCheckBox(QString::fromLatin1(caption)), id, tip);
}

// Groups laid out closely, so that the window fits a 1024-pixel screen.
template <typename L>
L* Tight(L* layout) {
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(4);
    return layout;
}

QGroupBox* Group(const char* caption, int id) {
    auto* group = new QGroupBox(QString::fromLatin1(caption));
    group->setObjectName(IdName(id));
    return group;
}

QGroupBox* BuildModeGroup(MainControls& c) {
    c.modeGroup = Group("Search MODE", kIdModeGroup);
    c.byFileName = Radio("By file name", kIdByFileName, "Select files by their names and types only, without a query.");
    c.queryTextIn = Radio("Query text in: ", kIdQueryTextIn, "Search the query in the places checked beside.");
    c.fileContent = Check("File content", kIdFileContent, "Search the query in the files' text.");
    c.fileName = Check("File name", kIdFileName, "Search the query in file names.");
    c.fileExtension = Check("File extension", kIdFileExtension, "Search the query in file extensions.");
    c.folderName = Check("Folder name", kIdFolderName, "Search the query in folder names.");
    auto* grid = Tight(new QGridLayout(c.modeGroup));
    grid->addWidget(c.byFileName, 0, 0, 1, 2);
    grid->addWidget(c.queryTextIn, 1, 0);
    grid->addWidget(c.fileContent, 1, 1);
    grid->addWidget(c.fileName, 2, 1);
    grid->addWidget(c.fileExtension, 3, 1);
    grid->addWidget(c.folderName, 4, 1);
    return c.modeGroup;
}

QGroupBox* BuildOptionsGroup(MainControls& c) {
    c.optionsGroup = Group("Search OPTIONS", kIdOptionsGroup);
    c.selectFolders = Button("Select FOLDER(s)", kIdSelectFolders, "Choose the folders to search and to leave out.");
    c.selectFiles = Button("Select FILE(s)", kIdSelectFiles, "Choose file names and types.");
    c.textOptions = Button("Select TEXT Options", kIdTextOptions, "Case, whole words, delimiters, comments, limits.");
    c.dateTimeSize = Button("Set Date/Time/Size", kIdDateTimeSize, "Select files by their times and sizes.");
    auto* grid = Tight(new QGridLayout(c.optionsGroup));
    grid->addWidget(c.selectFolders, 0, 0);
    grid->addWidget(c.selectFiles, 0, 1);
    grid->addWidget(c.textOptions, 1, 0);
    grid->addWidget(c.dateTimeSize, 1, 1);
    return c.optionsGroup;
}

QGroupBox* BuildFeedbackGroup(MainControls& c) {
    c.feedbackGroup = Group("Search FEEDBACK", kIdFeedbackGroup);
    c.checkTavilan = Button("Check Tavilan", kIdCheckTavilan, "Describe the settings of the next search.");
    c.showTavilan = Button("Show Tavilan.", kIdShowTavilan, "Describe the settings of the running search.");
    c.statistics = Button("Statistics", kIdStatistics, "Show the statistics of the search.");
    auto* layout = Tight(new QVBoxLayout(c.feedbackGroup));
    layout->addWidget(c.checkTavilan);
    layout->addWidget(c.showTavilan);
    layout->addWidget(c.statistics);
    c.showTavilan->hide();
    return c.feedbackGroup;
}

QGroupBox* BuildResultsGroup(MainControls& c) {
    c.resultsGroup = Group("Manage RESULTS", kIdResultsGroup);
    c.logCenter = Button("LOG Center", kIdLogCenter, "Show the unzip, Word, PDF and copy logs.");
    c.groupSort = Button("Group/Sort/Misc.", kIdGroupSort, "Group and sort the results.");
    c.extractReports = Button("Extract/Reports", kIdExtractReports, "Write reports and exports of the results.");
    c.smartCopy = Button("Smart Copy", kIdSmartCopy, "Copy the result files to a folder.");
    auto* grid = Tight(new QGridLayout(c.resultsGroup));
    grid->addWidget(c.logCenter, 0, 0);
    grid->addWidget(c.extractReports, 0, 1);
    grid->addWidget(c.groupSort, 1, 0);
    grid->addWidget(c.smartCopy, 1, 1);
    return c.resultsGroup;
}

QWidget* BuildSearchButtons(MainControls& c) {
    c.search = Button("Search", kIdSearch, "Start the search.");
    c.search->setDefault(true);
    c.search->setMinimumHeight(45);
    c.stop = Button("Stop", kIdStop, "Stop the running search.");
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 8, 0, 0);
    layout->addWidget(c.search);
    layout->addWidget(c.stop);
    layout->addStretch();
    return box;
}

QWidget* BuildQueryRow(MainControls& c) {
    c.standardQuery = Radio("Standard Text Query :", kIdStandardQuery, "Terms and exact phrases.");
    c.booleanQuery = Radio("Boolean Text Query :", kIdBooleanQuery, "A bracketed Boolean expression over a whole file.");
    c.microBoolean = Radio("Micro (line) Boolean Text Query :", kIdMicroBoolean, "A Boolean expression for each line.");
    c.booleanAssistant = Check("Boolean Assistant", kIdBooleanAssistant, "Help to write a Boolean query.");
    c.standardBox = Named(new QComboBox, kIdStandardBox, "The terms to search; phrases between marks.");
    c.standardBox->setEditable(true);
    // The Search command keeps the history, in order, of queries it accepted.
    c.standardBox->setInsertPolicy(QComboBox::NoInsert);
    c.booleanEditor = Named(new QTextEdit, kIdBooleanEditor, "The Boolean query.");
    c.booleanEditor->setAcceptRichText(false);
    c.booleanEditor->setMaximumHeight(70);

    auto* kinds = new QVBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{c.standardQuery, c.booleanQuery, c.microBoolean, c.booleanAssistant})
        kinds->addWidget(w);
    auto* queries = new QVBoxLayout;
    queries->addWidget(c.standardBox);
    queries->addWidget(c.booleanEditor);
    queries->addStretch();

    c.clickGroup = Group("Click on the result line", kIdClickGroup);
    c.openPreview = Radio("Open the Preview Window ", kIdOpenPreview, "A click shows the hit in the preview below.");
    c.openDefaultApp = Radio("Open the Default Application :", kIdOpenDefaultApp, "A click opens the file.");
    c.recordView = Check("Record View", kIdRecordView, "Show every column of the clicked row.");
    auto* click = Tight(new QVBoxLayout(c.clickGroup));
    click->addWidget(c.openPreview);
    click->addWidget(c.openDefaultApp);
    click->addWidget(c.recordView);

    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(kinds);
    layout->addLayout(queries, 1);
    layout->addWidget(c.clickGroup);
    return row;
}

// The status line takes what room the row leaves: a long folder name must
// not widen the window.
QWidget* BuildStatusRow(MainControls& c) {
    c.statusLine = new QLabel(QStringLiteral(" "));
    c.statusLine->setObjectName(QStringLiteral("statusLine"));
    c.statusLine->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    c.patternsNote = new QLabel;
    c.patternsNote->setObjectName(QStringLiteral("patternsNote"));
    c.patternsNote->hide();
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(c.statusLine, 1);
    layout->addWidget(c.patternsNote);
    return row;
}

}  // namespace

void MainControls::Enable(QWidget* control, bool on) const { control->setEnabled(on); }

MainControls BuildMainControls(QWidget* central) {
    MainControls c;
    auto* top = new QHBoxLayout;
    top->setSpacing(6);
    top->addWidget(BuildModeGroup(c));
    top->addWidget(BuildOptionsGroup(c));
    top->addWidget(BuildFeedbackGroup(c));
    top->addWidget(BuildResultsGroup(c));
    top->addWidget(BuildSearchButtons(c));

    c.resultWindow = new ResultTableView;
    c.preview = Named(new PreviewEdit, kIdPreview, "The clicked hit with the lines around it.");
    c.preview->setMinimumHeight(c.preview->fontMetrics().height() * 3);

    auto* lower = new QWidget;
    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    lowerLayout->addWidget(BuildStatusRow(c));
    lowerLayout->addWidget(c.preview);
    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(c.resultWindow);
    splitter->addWidget(lower);
    splitter->setChildrenCollapsible(false);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);

    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->addLayout(top);
    layout->addWidget(BuildQueryRow(c));
    layout->addWidget(splitter, 1);

    return c;
}

}  // namespace qf::shell
