#include "shell/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QTextEdit>

#include "engine/search_lock.h"
#include "settings/default_lists.h"
#include "shell/about_dialog.h"
#include "shell/boolean_assistant.h"
#include "shell/boolean_fault_marks.h"
#include "shell/control_ids.h"
#include "shell/file_types_dialog.h"
#include "shell/help_pages.h"
#include "shell/help_window.h"
#include "shell/managing_results_window.h"
#include "shell/mode_rules.h"
#include "shell/record_view_window.h"
#include "shell/reports_window.h"
#include "shell/result_clicks.h"
#include "shell/result_model.h"
#include "shell/settings_commands.h"
#include "shell/statistics_window.h"
#include "shell/tavilan_view.h"

namespace qf::shell {
namespace {

constexpr const char* kCaption = " Quillfind  2.00    -               ";
constexpr QSize kStartSize(1044, 740);

}  // namespace

MainWindow::MainWindow(Session& session, UserMessages& messages, QWidget* parent)
    : QMainWindow(parent), session_(session), messages_(messages) {
    setWindowTitle(QString::fromLatin1(kCaption));
    setObjectName(QStringLiteral("mainWindow"));
    setAcceptDrops(true);
    prepareWorkingFolders = [this](Session& s) {
        return PrepareSessionFolders(s, messages_);
    };
    PrepareModelAtStart(session_.state.options);

    auto* central = new QWidget;
    setCentralWidget(central);
    controls_ = BuildMainControls(central);
    menu_ = BuildMainMenu(*menuBar());
    model_ = new ResultModel(session_.results, this);
    SetUpResultWindow();
    CreateToolWindows();

    askTempWarning = [this](bool& dontShowAgain) { return AskTempWarning(dontShowAgain); };
    folderChooser = [this] { return BrowseForFolder(this); };
    settings_ = std::make_unique<SettingsCommands>(session_, controls_, messages_, this, [this] { OptionsLoaded(); });
    settings_->refreshFromToolWindows = [this] { StoreToolWindowsInOptions(session_.state.options); };
    settings_->readDropDowns = [this] {
        return SettingsCommands::DropDowns{fileTypes_->FileNameItems(), fileTypes_->ZipNameItems()};
    };
    settings_->restoreDropDowns = [this](const SettingsCommands::DropDowns& lists) {
        fileTypes_->RestoreDropDowns(lists.fileNames, lists.zipNames);
    };
    clicks_ = std::make_unique<ResultClicks>(session_, controls_, *recordView_, messages_);
    clicks_->linesAround = [this] { return managing_->PreviewLines(); };
    clicks_->showToolWindow = [this](QWidget& window) { ShowToolWindow(window, false); };

    ShowOptionsInControls(controls_, session_.state.options);
    controls_.openPreview->setChecked(true);
    controls_.openDefaultApp->setChecked(false);
    managing_->SetPreviewLinesEnabled(true);
    ConnectModeRules();
    ConnectCommands();
    ConnectMenu();
    ConnectBridge();
    SetUpShortcuts();
    ShowFilePatterns();
    FitToScreen();
    session_.state.TakeSnapshot();
}

MainWindow::~MainWindow() { ShutDownSearch(); }

// The window's usual size where the screen has room for it and its frame,
// else the screen's.
void MainWindow::FitToScreen() {
    const QScreen* screen = QApplication::primaryScreen();
    QSize size = kStartSize;
    if (screen) size = size.boundedTo(screen->availableGeometry().size() - QSize(8, 40));
    resize(size.expandedTo(minimumSizeHint()));
}

void MainWindow::ConnectModeRules() {
    Options& o = session_.state.options;
    const MainControls& c = controls_;
    connect(c.byFileName, &QRadioButton::clicked, this, [this, &o] {
        ApplyByFileName(controls_, o);
        assistant_->hide();
        clicks_->RecordViewToggled(false);
        controls_.recordView->setChecked(false);
    });
    connect(c.queryTextIn, &QRadioButton::clicked, this, [this, &o] { ApplyQueryTextIn(controls_, o); });
    for (QCheckBox* target : {c.fileContent, c.fileName, c.fileExtension, c.folderName})
        connect(target, &QCheckBox::clicked, this, [this, &o] {
            if (ApplyTargetClicked(controls_, o)) clicks_->RecordViewToggled(false);
        });
    connect(c.standardQuery, &QRadioButton::clicked, this, [this, &o] {
        ApplyQueryKind(controls_, o, QueryKind::Standard);
        assistant_->hide();
        controls_.standardBox->setFocus();
    });
    for (auto [radio, kind] : {std::pair{c.booleanQuery, QueryKind::Boolean}, std::pair{c.microBoolean, QueryKind::MicroBoolean}})
        connect(radio, &QRadioButton::clicked, this, [this, &o, k = kind] {
            ApplyQueryKind(controls_, o, k);
            ShowToolWindow(*assistant_);
        });
    connect(c.booleanAssistant, &QCheckBox::clicked, this, [this](bool checked) {
        if (checked) {
            ShowToolWindow(*assistant_);
            return;
        }
        assistant_->hide();
        controls_.standardBox->setFocus();
    });
    connect(c.openPreview, &QRadioButton::clicked, this, [this] {
        controls_.openPreview->setChecked(true);
        controls_.openDefaultApp->setChecked(false);
        managing_->SetPreviewLinesEnabled(true);
    });
    connect(c.openDefaultApp, &QRadioButton::clicked, this, [this] {
        controls_.openDefaultApp->setChecked(true);
        controls_.openPreview->setChecked(false);
        managing_->SetPreviewLinesEnabled(false);
    });
    connect(c.recordView, &QCheckBox::clicked, this, [this](bool checked) { clicks_->RecordViewToggled(checked); });
}

void MainWindow::ConnectCommands() {
    const MainControls& c = controls_;
    connect(c.search, &QPushButton::clicked, this, &MainWindow::Search);
    connect(c.stop, &QPushButton::clicked, this, &MainWindow::Stop);
    connect(c.selectFolders, &QPushButton::clicked, this, &MainWindow::OpenFoldersDialog);
    connect(c.logCenter, &QPushButton::clicked, this, &MainWindow::OpenLogCenter);
    connect(c.smartCopy, &QPushButton::clicked, this, &MainWindow::OpenSmartCopy);
    connect(c.groupSort, &QPushButton::clicked, this, [this] {
        if (managing_->RefreshGroupingLists()) ShowToolWindow(*managing_);
    });
    connect(c.extractReports, &QPushButton::clicked, this, [this] { ShowToolWindow(*reports_); });
    connect(c.selectFiles, &QPushButton::clicked, this, [this] {
        fileTypes_->exec();
        ShowFilePatterns();
    });
    connect(c.textOptions, &QPushButton::clicked, this, &MainWindow::OpenTextOptions);
    connect(c.dateTimeSize, &QPushButton::clicked, this, &MainWindow::OpenDateTime);
    connect(c.checkTavilan, &QPushButton::clicked, this, &MainWindow::OpenCheckTavilan);
    connect(c.showTavilan, &QPushButton::clicked, this, [this] {
        tavilan_->Refresh();
        ShowToolWindow(*tavilan_);
    });
    connect(c.statistics, &QPushButton::clicked, this, [this] { ShowToolWindow(*statistics_); });
}

void MainWindow::ConnectMenu() {
    const auto on = [this](int id, auto slot) { connect(menu_.value(id), &QAction::triggered, this, slot); };
    on(kCmdOpenSearchLogic, [this] { settings_->OpenSearchLogic(); });
    on(kCmdSaveSearchLogic, [this] { settings_->SaveSearchLogicAs(); });
    on(kCmdOpenSettings, [this] { settings_->OpenSettings(); });
    on(kCmdSaveSettings, [this] { settings_->SaveSettings(); });
    on(kCmdOpenTerms, [this] { settings_->OpenTerms(); });
    on(kCmdSaveTerms, [this] { settings_->SaveTerms(); });
    on(kCmdQuit, [this] { close(); });
    on(kCmdUnzipLog, [this] { ShowLog(LogProcess::Zip); });
    on(kCmdWordLog, [this] { ShowLog(LogProcess::Word); });
    on(kCmdPdfLog, [this] { ShowLog(LogProcess::Pdf); });
    on(kCmdCopyLog, [this] { ShowLog(LogProcess::Copy); });
    on(kCmdSmartCopy, [this] { OpenSmartCopy(); });
    on(kCmdAbout, [this] { AboutDialog(this, [this](const QUrl& url) { help_->ShowUrl(url); }).exec(); });
    on(kCmdPreferences, [this] { OpenPreferences(); });
    on(kCmdHelpContents, [this] { OpenHelp(kTopicContents, 15); });
    on(kCmdQuickStart, [this] { OpenHelp(kTopicQuickStart, 205); });
    on(kCmdExactPhrase, [this] { OpenHelp(kTopicExactPhrase, 217); });
    on(kCmdBooleanHelp, [this] { OpenHelp(kTopicBoolean, 218); });
    // The product's pages are the help pages that come with it.
    on(kCmdWebPage, [this] { OpenHelp(kTopicContents, 15); });
    on(kCmdSupport, [this] { OpenHelp(kTopicContents, 15); });
}

// F5 searches from anywhere, Enter in the query box too; Escape stops.
void MainWindow::SetUpShortcuts() {
    auto* search = new QShortcut(QKeySequence(Qt::Key_F5), this);
    search->setContext(Qt::ApplicationShortcut);
    connect(search, &QShortcut::activated, this, &MainWindow::Search);
    auto* stop = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(stop, &QShortcut::activated, this, &MainWindow::Stop);
    connect(controls_.standardBox->lineEdit(), &QLineEdit::returnPressed, this, [this] {
        if (controls_.search->isEnabled()) Search();
    });
}

bool MainWindow::OpenHelp(int topic, int messageNumber) {
    if (help_->ShowTopic(topic)) return true;
    messages_.Show(HelpFailedMessage(messageNumber));
    return false;
}

void MainWindow::AskQuickStart() {
    Message question;
    question.caption = "Quick Start Guide";
    question.text = "Start Quick Start Guide\nwith demos and examples.";
    question.icon = MsgIcon::Question;
    question.buttons = MsgButtons::YesNo;
    question.defaultAnswer = MsgAnswer::No;
    if (messages_.Show(question) == MsgAnswer::Yes) OpenHelp(kTopicQuickStart, 204);
}

void MainWindow::RestoreLastSession() {
    settings_->RestoreLastSession();
    ShowFilePatterns();
}

// A Boolean query shows what its check made of it, with any faulty tokens red.
void MainWindow::ShowBooleanCheckResult(bool valid) {
    const Options& o = session_.state.options;
    if (!o.On(Opt::BOOLRADIO1) && !o.On(Opt::MICROBOOLR)) return;
    ShowBooleanCheck(*controls_.booleanEditor, session_.booleanQuery);
    if (!valid && session_.booleanQuery.helpRequested) OpenHelp(kTopicBooleanSyntax, 273);
}

}  // namespace qf::shell
