#include "shell/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTextEdit>
#include <QThread>

#include "engine/search_lock.h"
#include "engine/search_run.h"
#include "settings/default_lists.h"
#include "settings/search_start.h"
#include "shell/about_dialog.h"
#include "shell/boolean_assistant.h"
#include "shell/boolean_fault_marks.h"
#include "shell/control_ids.h"
#include "shell/help_pages.h"
#include "shell/file_types_dialog.h"
#include "shell/managing_results_window.h"
#include "shell/mode_rules.h"
#include "shell/record_view_window.h"
#include "shell/result_clicks.h"
#include "shell/result_model.h"
#include "shell/search_bridge.h"
#include "shell/settings_commands.h"
#include "shell/reports_window.h"
#include "shell/statistics_window.h"
#include "shell/tavilan_view.h"

namespace qf::shell {
namespace {

constexpr const char* kCaption = " Quillfind  2.00    -               ";

Message ThreadFailedMessage() {
    return ErrorMessage("Severe Error!    Msg no: 0004.", "Creating Thread fail !!!\n\nAction: Immediately e-mail us, please!");
}

}  // namespace

MainWindow::MainWindow(Session& session, UserMessages& messages, QWidget* parent)
    : QMainWindow(parent), session_(session), messages_(messages) {
    setWindowTitle(QString::fromLatin1(kCaption));
    setObjectName(QStringLiteral("mainWindow"));
    prepareWorkingFolders = [this](Session& s) {
        return PrepareSessionFolders(s, messages_);
    };
    resize(1044, 740);
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

    ShowOptionsInControls(controls_, session_.state.options);
    controls_.openPreview->setChecked(true);
    controls_.openDefaultApp->setChecked(false);
    managing_->SetPreviewLinesEnabled(true);
    ConnectModeRules();
    ConnectCommands();
    ConnectMenu();
    ConnectBridge();
    session_.state.TakeSnapshot();
}

MainWindow::~MainWindow() { ShutDownSearch(); }

void MainWindow::SetUpResultWindow() {
    QTableView* view = controls_.resultWindow;
    view->setModel(model_);
    for (int column = 0; column < kResultColumnCount; ++column)
        view->horizontalHeader()->resizeSection(column, ResultColumns()[size_t(column)].width);
    connect(view, &QTableView::clicked, this, [this](const QModelIndex& index) { clicks_->Clicked(index.row()); });
    connect(view, &QTableView::doubleClicked, this, [this] { clicks_->DoubleClicked(); });
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
    connect(c.groupSort, &QPushButton::clicked, managing_, &ManagingResultsWindow::ShowFromButton);
    connect(c.extractReports, &QPushButton::clicked, this, [this] { ShowToolWindow(*reports_); });
    connect(c.selectFiles, &QPushButton::clicked, this, [this] { fileTypes_->exec(); });
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
    on(kCmdAbout, [this] { AboutDialog(this).exec(); });
    on(kCmdPreferences, [this] { OpenPreferences(); });
    on(kCmdHelpContents, [this] { OpenHelp(kTopicContents, 15, messages_); });
    on(kCmdQuickStart, [this] { OpenHelp(kTopicQuickStart, 205, messages_); });
    on(kCmdExactPhrase, [this] { OpenHelp(kTopicExactPhrase, 217, messages_); });
    on(kCmdBooleanHelp, [this] { OpenHelp(kTopicBoolean, 218, messages_); });
    on(kCmdWebPage, [] { QDesktopServices::openUrl(HomePageUrl()); });
    on(kCmdSupport, [] { QDesktopServices::openUrl(SupportPageUrl()); });
}

void MainWindow::ConnectBridge() {
    bridge_ = new SearchBridge(this);
    connect(bridge_, &SearchBridge::statusText, this, [this](const QString& text) {
        controls_.statusLine->setText(text);
        statistics_->SetPhase(text);
    });
    connect(bridge_, &SearchBridge::currentName, statistics_, &StatisticsWindow::SetCurrentName);
    connect(bridge_, &SearchBridge::rowsAvailable, this, [this](qulonglong rows) { model_->ShowRows(rows); });
    connect(bridge_, &SearchBridge::resultsRefreshed, this, [this](qulonglong rows) { model_->Refill(rows); });
    connect(bridge_, &SearchBridge::countersChanged, this, &MainWindow::ShowCounters);
    // The statistics carry the times themselves; their reports only say when to look.
    connect(bridge_, &SearchBridge::startTime, this, &MainWindow::ShowCounters);
    connect(bridge_, &SearchBridge::endTime, this, &MainWindow::ShowCounters);
    connect(bridge_, &SearchBridge::runEnded, this, &MainWindow::RunEnded);
}

void MainWindow::AskQuickStart() {
    Message question;
    question.caption = "Quick Start Guide";
    question.text = "Start Quick Start Guide\nwith demos and examples.";
    question.icon = MsgIcon::Question;
    question.buttons = MsgButtons::YesNo;
    question.defaultAnswer = MsgAnswer::No;
    if (messages_.Show(question) == MsgAnswer::Yes) OpenHelp(kTopicQuickStart, 204, messages_);
}

bool MainWindow::ConfirmTempWarning() {
    Options& o = session_.state.options;
    if (o.On(Opt::WARNINGTMP) || !askTempWarning) return true;
    bool dontShowAgain = o.On(Opt::WARNINGTMP);
    // Closing the warning without an answer is taken as "1. Quit": nothing is deleted.
    if (askTempWarning(dontShowAgain) != TempWarningChoice::Continue) return false;
    o.SetInt(Opt::WARNINGTMP, dontShowAgain ? 1 : 0);
    return true;
}

void MainWindow::AddQueryToHistory() {
    QComboBox* box = controls_.standardBox;
    const QString text = box->currentText();
    if (text.trimmed().isEmpty() || box->findText(text, Qt::MatchExactly) >= 0) return;
    int row = 0;
    while (row < box->count() && box->itemText(row).compare(text, Qt::CaseInsensitive) < 0) ++row;
    box->insertItem(row, text);
    box->setEditText(text);
}

void MainWindow::Search() {
    if (searching_ || session_.running) return;
    if (!ConfirmTempWarning()) return;
    if (prepareWorkingFolders && !prepareWorkingFolders(session_)) return;
    StoreControlsInOptions(controls_, session_.state.options);
    const bool valid = ValidateSessionSearch(session_, messages_);
    ShowBooleanCheckResult(valid);
    if (!valid) return;
    AddQueryToHistory();
    session_.results.Clear();
    model_->Refill(0);
    BeginSearchDisplay();
    if (!StartSearch(session_, *bridge_, messages_)) {
        messages_.Show(ThreadFailedMessage());
        RestoreControls();
    }
}

void MainWindow::BeginSearchDisplay() {
    searching_ = true;
    DisableForSearch(controls_);
    SetMenuEnabled(false);
    SwapTavilanButtons(true);
    clicks_->SearchStarted();
    HideToolWindowsForSearch();
    statistics_->Reset();
    if (statistics_->KeepHidden())
        statistics_->hide();
    else
        statistics_->show();
}

void MainWindow::Stop() { StopSearch(session_); }

void MainWindow::RestoreControls() {
    searching_ = false;
    RestoreAfterSearch(controls_, session_.state.options);
    SetMenuEnabled(true);
    SwapTavilanButtons(false);
}

void MainWindow::RunEnded() {
    RestoreControls();
    tavilan_->hide();
    ShowCounters();
    if (const uint64_t cut = session_.statistics.lineLimitFiles.load())
        controls_.statusLine->setText(QString::fromStdString(std::string(kEndOfSearchStatus) + " " + LineLimitNote(cut)));
    statistics_->RunEnded(session_.statistics);
    clicks_->SearchEnded();
    emit searchEnded();
}

void MainWindow::ShowCounters() {
    statistics_->ShowCounters(session_.statistics, session_.counters);
}

void MainWindow::SetMenuEnabled(bool on) {
    for (auto it = menu_.cbegin(); it != menu_.cend(); ++it) it.value()->setEnabled(on);
}

void MainWindow::SwapTavilanButtons(bool searching) {
    controls_.checkTavilan->setVisible(!searching);
    controls_.showTavilan->setVisible(searching);
}

// A Boolean query shows what its check made of it, with any faulty tokens red.
void MainWindow::ShowBooleanCheckResult(bool valid) {
    const Options& o = session_.state.options;
    if (!o.On(Opt::BOOLRADIO1) && !o.On(Opt::MICROBOOLR)) return;
    ShowBooleanCheck(*controls_.booleanEditor, session_.booleanQuery);
    if (!valid && session_.booleanQuery.helpRequested) OpenHelp(kTopicBooleanSyntax, 273, messages_);
}

// A worker may be waiting on a message box: keep the event loop turning
// until it has ended, so that it can never hold up the exit.
void MainWindow::ShutDownSearch() {
    if (onClosing) onClosing();
    StopSearch(session_);
    if (bridge_) bridge_->disconnect(this);
    while (session_.running) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    WaitForSearch(session_);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    ShutDownSearch();
    QWidget::closeEvent(event);
}

}  // namespace qf::shell
