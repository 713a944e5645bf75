#pragma once
// The main window: the search-mode controls, the query, the Search and Stop
// commands, the result window with its preview, the menus and the tool windows.

#include <QMainWindow>
#include <functional>
#include <map>
#include <memory>

#include "engine/session.h"
#include "platform/user_messages.h"
#include "shell/folder_browser.h"
#include "shell/list_settings_dialog.h"
#include "shell/log_viewer_window.h"
#include "shell/main_controls.h"
#include "shell/main_menu.h"
#include "shell/search_progress.h"
#include "shell/temp_warning_dialog.h"

namespace qf::shell {

class HelpWindow;
class RecordViewWindow;
class ResultClicks;
class BooleanAssistant;
class FileTypesDialog;
class ManagingResultsWindow;
class ReportsWindow;
class TavilanWindow;
class ResultModel;
class SearchBridge;
class SettingsCommands;
class StatisticsWindow;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Session& session, UserMessages& messages, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Asks for the dialog 146 answer; `dontShowAgain` comes in as WARNINGTMP.
    std::function<TempWarningChoice(bool& dontShowAgain)> askTempWarning;
    // Empties and re-creates the log folder and the working folders before a
    // search; false refuses the search (tests replace it).
    std::function<bool(Session&)> prepareWorkingFolders;
    FolderChooser folderChooser;
    // Called first when the window closes, before it waits for a running search.
    std::function<void()> onClosing;
    // Called when the window closes once no search runs any more.
    std::function<void()> onSearchShutDown;

    // Start-up step: offers the Quick Start Guide.
    void AskQuickStart();
    // Start-up step: the last session's folders, query and options, when
    // they were kept at the last exit (RESTORELST).
    void RestoreLastSession();
    // A help topic in the help window; the message with the number when its
    // page is missing. False then.
    bool OpenHelp(int topic, int messageNumber);

    bool Searching() const { return searching_; }
    const MainControls& Controls() const { return controls_; }
    ResultModel& Model() { return *model_; }
    ResultClicks& Clicks() { return *clicks_; }
    StatisticsWindow& Statistics() { return *statistics_; }
    RecordViewWindow& RecordView() { return *recordView_; }
    LogViewerWindow& LogViewer(LogProcess kind) { return *logViewers_.at(kind); }
    SettingsCommands& Settings() { return *settings_; }
    ManagingResultsWindow& ManagingResults() { return *managing_; }
    ReportsWindow& Reports() { return *reports_; }
    TavilanWindow& Tavilan() { return *tavilan_; }
    FileTypesDialog& FileTypes() { return *fileTypes_; }
    BooleanAssistant& Assistant() { return *assistant_; }
    HelpWindow& Help() { return *help_; }
    // Shows a tool window where it leaves Search, Stop and the result table
    // free, and gives it the keyboard unless told not to.
    void ShowToolWindow(QWidget& window, bool activate = true);

public slots:
    void Search();
    void Stop();
    void ShowLog(qf::LogProcess process);

signals:
    void searchEnded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateToolWindows();
    void ConnectModeRules();
    void ConnectCommands();
    void ConnectMenu();
    void ConnectBridge();
    void SetUpResultWindow();
    void SetUpShortcuts();
    void SortByHeader(int column);
    void ShowSortOrder(int key, bool descending);
    void ShowRowMenu(const QPoint& position);
    void ResultsFinal();
    void StartWaitingSearch();
    void ShowSearchProgress();
    void ShowFilePatterns();
    void FitToScreen();
    void SetMenuEnabled(bool on);
    void SwapTavilanButtons(bool searching);
    void AddQueryToHistory();
    bool ConfirmTempWarning();
    void BeginSearchDisplay();
    void RunEnded();
    void RestoreControls();
    void ShowCounters();
    void OpenFoldersDialog();
    void OpenLogCenter();
    void OpenSmartCopy();
    void OpenTextOptions();
    void OpenDateTime();
    void OpenCheckTavilan();
    void ShowBooleanCheckResult(bool valid);
    void OpenPreferences();
    TempWarningChoice AskTempWarning(bool& dontShowAgain);
    void ShutDownSearch();
    void OptionsLoaded();
    void HideToolWindowsForSearch();
    void StoreToolWindowsInOptions(Options& o);
    void StoreWindowInOptions(Options& o);

    Session& session_;
    UserMessages& messages_;
    MainControls controls_;
    MenuActions menu_;
    SearchBridge* bridge_ = nullptr;
    ResultModel* model_ = nullptr;
    StatisticsWindow* statistics_ = nullptr;
    RecordViewWindow* recordView_ = nullptr;
    ManagingResultsWindow* managing_ = nullptr;
    ReportsWindow* reports_ = nullptr;
    BooleanAssistant* assistant_ = nullptr;
    TavilanWindow* tavilan_ = nullptr;
    FileTypesDialog* fileTypes_ = nullptr;
    TextListMemory textListMemory_;
    std::map<LogProcess, LogViewerWindow*> logViewers_;
    std::unique_ptr<ResultClicks> clicks_;
    std::unique_ptr<SettingsCommands> settings_;
    HelpWindow* help_ = nullptr;
    bool searching_ = false;
    bool searchWaiting_ = false;  // Search pressed while the last run wrote its logs
    SearchProgress progress_;
    int headerSortColumn_ = -1;
    bool headerSortDescending_ = false;
};

}  // namespace qf::shell
