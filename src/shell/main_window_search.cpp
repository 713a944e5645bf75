// The main window's Search and Stop commands and what it shows while a
// search runs and when it ends.

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QThread>

#include "engine/search_run.h"
#include "results/search_statistics.h"
#include "shell/main_window.h"
#include "shell/managing_results_window.h"
#include "shell/mode_rules.h"
#include "shell/result_clicks.h"
#include "shell/result_model.h"
#include "shell/search_bridge.h"
#include "shell/settings_commands.h"
#include "shell/statistics_window.h"
#include "shell/tavilan_view.h"

namespace qf::shell {
namespace {

Message ThreadFailedMessage() {
    return ErrorMessage("Severe Error!    Msg no: 0004.", "Creating Thread fail !!!\n\nAction: Immediately e-mail us, please!");
}

}  // namespace

void MainWindow::ConnectBridge() {
    bridge_ = new SearchBridge(this);
    connect(bridge_, &SearchBridge::statusText, this, [this](const QString& text) {
        progress_.phase = text;
        if (searching_)
            ShowSearchProgress();
        else
            controls_.statusLine->setText(text);
        statistics_->SetPhase(text);
    });
    connect(bridge_, &SearchBridge::currentName, statistics_, &StatisticsWindow::SetCurrentName);
    connect(bridge_, &SearchBridge::currentFolder, this, [this](const QString& folder) {
        progress_.folder = folder;
        ShowSearchProgress();
    });
    connect(bridge_, &SearchBridge::rowsAvailable, this, [this](qulonglong rows) { model_->ShowRows(rows); });
    connect(bridge_, &SearchBridge::resultsRefreshed, this, [this](qulonglong rows) { model_->Refill(rows); });
    connect(bridge_, &SearchBridge::countersChanged, this, [this] {
        ShowCounters();
        ShowSearchProgress();
    });
    // The statistics carry the times themselves; their reports only say when to look.
    connect(bridge_, &SearchBridge::startTime, this, &MainWindow::ShowCounters);
    connect(bridge_, &SearchBridge::endTime, this, &MainWindow::ShowCounters);
    connect(bridge_, &SearchBridge::resultsFinal, this, &MainWindow::ResultsFinal);
    connect(bridge_, &SearchBridge::runEnded, this, &MainWindow::RunEnded);
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
    if (searching_) return;
    // The last run gave the controls back and is writing its logs, or a sort
    // is rebuilding the list: this search starts the moment that has ended.
    if (session_.running || managing_->Busy()) {
        searchWaiting_ = true;
        return;
    }
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
    progress_ = SearchProgress{};
    DisableForSearch(controls_);
    SetMenuEnabled(false);
    SwapTavilanButtons(true);
    clicks_->SearchStarted();
    HideToolWindowsForSearch();
    ShowSortOrder(-1, false);
    statistics_->Reset();
    if (statistics_->KeepHidden())
        statistics_->hide();
    else
        ShowToolWindow(*statistics_, false);
}

void MainWindow::Stop() {
    if (searching_) StopSearch(session_);
}

void MainWindow::ShowSearchProgress() {
    if (!searching_) return;
    progress_.lines = session_.counters.nResultLines;
    progress_.files = session_.counters.nResultFiles;
    ShowProgress(*controls_.statusLine, progress_);
}

void MainWindow::RestoreControls() {
    searching_ = false;
    RestoreAfterSearch(controls_, session_.state.options);
    SetMenuEnabled(true);
    SwapTavilanButtons(false);
}

// The run's results are final: the window is usable again before the end
// message appears.
void MainWindow::ResultsFinal() {
    if (!searching_) return;
    RestoreControls();
    tavilan_->hide();
    ShowCounters();
    statistics_->RunEnded(session_.statistics);
    const bool stopped = session_.bStopRequest != 0;
    QString status = stopped ? StoppedText(session_.counters.nResultLines, session_.counters.nResultFiles)
                             : progress_.phase;
    // Files whose later lines were never read: the user must not take their results as complete.
    if (const uint64_t cut = session_.statistics.lineLimitFiles.load())
        status = status.trimmed() + QStringLiteral("  ") + QString::fromStdString(LineLimitNote(cut));
    controls_.statusLine->setText(status);
    controls_.statusLine->setToolTip({});
    clicks_->SearchEnded();
}

void MainWindow::RunEnded() {
    ResultsFinal();  // a run that ended without reporting its results
    emit searchEnded();
    StartWaitingSearch();
}

void MainWindow::StartWaitingSearch() {
    if (!searchWaiting_ || session_.running || managing_->Busy()) return;
    searchWaiting_ = false;
    Search();
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
    if (onSearchShutDown) onSearchShutDown();
    settings_->SaveLastSession();
    QWidget::closeEvent(event);
}

}  // namespace qf::shell
