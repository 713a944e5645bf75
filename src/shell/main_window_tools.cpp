// The main window's dialogs and tool windows: created once, opened by their
// buttons and menu items, refreshed when settings are read or saved.

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "archive/search_folders.h"
#include "shell/about_dialog.h"
#include "shell/boolean_assistant.h"
#include "shell/date_time_dialog.h"
#include "shell/file_types_dialog.h"
#include "shell/help_window.h"
#include "shell/folders_dialog.h"
#include "shell/log_center_dialog.h"
#include "shell/main_window.h"
#include "shell/managing_results_window.h"
#include "shell/mode_rules.h"
#include "shell/preferences_dialog.h"
#include "shell/record_view_window.h"
#include "shell/reports_window.h"
#include "shell/result_clicks.h"
#include "shell/result_model.h"
#include "shell/result_table_view.h"
#include "shell/smart_copy_dialog.h"
#include "shell/statistics_window.h"
#include "shell/tavilan_view.h"
#include "shell/text_options_dialog.h"
#include "shell/tool_window_placement.h"

namespace qf::shell {

void MainWindow::CreateToolWindows() {
    statistics_ = new StatisticsWindow(session_.state.options, this);
    recordView_ = new RecordViewWindow(this);
    for (LogProcess process :
         {LogProcess::Zip, LogProcess::Word, LogProcess::Pdf, LogProcess::Copy, LogProcess::Office})
        logViewers_[process] = new LogViewerWindow(process, this);
    connect(statistics_, &StatisticsWindow::viewLog, this, &MainWindow::ShowLog);
    connect(recordView_, &QDialog::rejected, controls_.recordView, [this] { controls_.recordView->setChecked(false); });
    help_ = new HelpWindow(this);
    assistant_ = new BooleanAssistant(*controls_.booleanEditor, messages_, this);
    assistant_->SetHelpOpener([this](int topic, int number) { return OpenHelp(topic, number); });
    connect(assistant_, &BooleanAssistant::closed, this, [this] { controls_.booleanAssistant->setChecked(false); });
    managing_ = new ManagingResultsWindow(session_, messages_, this);
    connect(managing_, &ManagingResultsWindow::resultsChanged, this, [this](qulonglong rows) {
        model_->Refill(rows);
        ShowSortOrder(-1, false);
        clicks_->ResultsReordered();
    });
    connect(managing_, &ManagingResultsWindow::sorted, this, &MainWindow::ShowSortOrder);
    connect(managing_, &ManagingResultsWindow::commandFinished, this, &MainWindow::StartWaitingSearch);
    connect(managing_, &ManagingResultsWindow::statusText, this, [this](const QString& text) {
        controls_.statusLine->setText(text);
        statistics_->SetPhase(text);
    });
    connect(managing_, &ManagingResultsWindow::statisticsText, statistics_, &StatisticsWindow::SetPhase);
    connect(this, &MainWindow::searchEnded, managing_, &ManagingResultsWindow::SearchEnded);
    reports_ = new ReportsWindow(session_, messages_, this);
    tavilan_ = new TavilanWindow(session_, [this](Options& o) { StoreWindowInOptions(o); }, this);
    // Kept for the program's run: its boxes hold the drop-down lists.
    fileTypes_ = new FileTypesDialog(session_.state.options, messages_, this);
}

// A settings file was read: every window shows the options it holds.
void MainWindow::OptionsLoaded() {
    ShowOptionsInControls(controls_, session_.state.options);
    managing_->LoadFromOptions();
    reports_->Refresh();
}

void MainWindow::StoreToolWindowsInOptions(Options& o) {
    managing_->StoreIntoOptions(o);
    reports_->StoreControls(o);
}

// What the main window and its tool windows show, as the settings description reads it.
void MainWindow::StoreWindowInOptions(Options& o) {
    StoreControlsInOptions(controls_, o);
    StoreToolWindowsInOptions(o);
}

TempWarningChoice MainWindow::AskTempWarning(bool& dontShowAgain) {
    TempWarningDialog dialog(dontShowAgain, this);
    connect(&dialog, &TempWarningDialog::smartCopyRequested, this, &MainWindow::OpenSmartCopy);
    dialog.exec();
    dontShowAgain = dialog.DontShowAgain();
    return dialog.Choice();
}

// A new search starts with the result tools out of the way; they can be
// shown again while it runs.
void MainWindow::HideToolWindowsForSearch() {
    managing_->hide();
    reports_->hide();
}

void MainWindow::ShowLog(LogProcess process) {
    LogViewerWindow* viewer = logViewers_.at(process);
    viewer->Refresh(SearchFoldersOf(session_.state.options, session_.AppHome()).logFolder);
    // Asked for from a modal dialog (smart copy, LOG Center), the viewer must
    // take input above it; otherwise it stays an ordinary tool window.
    QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality wanted = modal && modal != viewer ? Qt::ApplicationModal : Qt::NonModal;
    if (viewer->windowModality() != wanted) {
        viewer->hide();
        viewer->setWindowModality(wanted);
    }
    viewer->show();
    viewer->raise();
}

void MainWindow::OpenFoldersDialog() {
    FoldersDialog dialog(session_.state.options, messages_, folderChooser, this);
    dialog.exec();
}

void MainWindow::ShowToolWindow(QWidget& window, bool activate) {
    if (!window.isVisible()) {
        const QScreen* screen = this->screen();
        const QRect buttons = controls_.search->geometry().united(controls_.stop->geometry());
        PlacementAreas areas;
        areas.screen = screen ? screen->availableGeometry() : QRect(QPoint(0, 0), size());
        areas.main = frameGeometry();
        areas.buttons = QRect(controls_.search->parentWidget()->mapToGlobal(buttons.topLeft()), buttons.size());
        areas.table = QRect(controls_.resultWindow->mapToGlobal(QPoint(0, 0)), controls_.resultWindow->size());
        areas.decoration = frameGeometry().size() - geometry().size();
        PlaceToolWindow(window, areas);
    }
    window.show();
    window.raise();
    if (activate) window.activateWindow();
}

void MainWindow::OpenTextOptions() {
    TextOptionsDialog dialog(session_.state.options, messages_, this);
    dialog.UseListMemory(textListMemory_);
    dialog.exec();
}

void MainWindow::OpenDateTime() {
    DateTimeDialog dialog(session_.state.options, messages_, this);
    dialog.exec();
}

void MainWindow::OpenCheckTavilan() {
    TavilanDialog dialog(session_, [this](Options& o) { StoreWindowInOptions(o); }, this);
    dialog.exec();
}

void MainWindow::OpenSmartCopy() {
    SmartCopyDialog dialog(session_, messages_, folderChooser, this);
    connect(&dialog, &SmartCopyDialog::viewLog, this, [this] { ShowLog(LogProcess::Copy); });
    dialog.exec();
}

void MainWindow::OpenPreferences() {
    PreferencesDialog dialog(session_.state.options, *statistics_, messages_, session_.AppHome(), this);
    dialog.exec();
}

void MainWindow::OpenLogCenter() {
    LogCenterDialog dialog(this);
    connect(&dialog, &LogCenterDialog::showLog, this, &MainWindow::ShowLog);
    dialog.exec();
}

}  // namespace qf::shell
