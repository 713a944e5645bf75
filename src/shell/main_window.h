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
#include "shell/temp_warning_dialog.h"

namespace qf::shell {

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

    // Start-up step: offers the Quick Start Guide.
    void AskQuickStart();

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

public slots:
    void Search();
    void Stop();
    void ShowLog(qf::LogProcess process);

signals:
    void searchEnded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateToolWindows();
    void ConnectModeRules();
    void ConnectCommands();
    void ConnectMenu();
    void ConnectBridge();
    void SetUpResultWindow();
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
    void ShowToolWindow(QWidget& window);
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
    bool searching_ = false;
};

}  // namespace qf::shell
