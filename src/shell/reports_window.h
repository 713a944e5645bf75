#pragma once
// Tool window 117: which sections and columns a report holds, and the
// commands that show, save, export and reopen reports of the last search.
// It stays usable while a search runs; a report then covers the results
// found so far.

#include <QDialog>
#include <functional>

#include "engine/session.h"
#include "platform/user_messages.h"
#include "reports/report_commands.h"

class QCheckBox;
class QListWidget;
class QPushButton;

namespace qf::shell {

class BackgroundCommand;
class TextFileWindow;

class ReportsWindow : public QDialog {
    Q_OBJECT
public:
    ReportsWindow(Session& session, UserMessages& messages, QWidget* parent = nullptr);
    ~ReportsWindow() override;  // waits for a report still being written

    // Replaceable so that tests answer the file dialogs and open nothing.
    FileChooser chooseSaveFile;  // asked with the save title; empty or nothing cancels
    FileChooser chooseOpenFile;
    FileOpener openFile;
    // Shows a report in the program itself when openFile finds no viewer.
    FileOpener ownViewer;

    // A report or export is being written; commands given meanwhile are ignored.
    bool Busy() const;

    // Check boxes and column lists from the options (after settings were loaded).
    void Refresh();
    // Check boxes and column lists into the options (before settings are saved).
    void StoreControls(Options& o) const;

public slots:
    void InstantDisplay();
    void SaveToFile();
    void ExportCommaSeparated();
    void OpenSaved();
    void SetDefaults();
    // "Close": the controls go into the options and the window hides.
    void reject() override;

protected:
    // Shown again: settings loaded meanwhile appear.
    void showEvent(QShowEvent* event) override;

private:
    QWidget* BuildConstructFrame();
    QWidget* BuildColumnLists();
    QWidget* BuildMoveButtons();
    QWidget* BuildReportFrame();
    void MoveColumns(bool toExcluded, bool all);
    void ApplyEnabling();
    ReportRequest MakeRequest(const Options& options, const _Multi_Settings_Struct& snapshot) const;
    void RunReport(const std::function<void(const ReportRequest&)>& write);
    // What the command's thread calls instead: the same, on the window thread.
    FileChooser ChooserFromCommand(const FileChooser& chooser);
    FileOpener OpenerFromCommand(const FileOpener& opener);

    Session& session_;
    UserMessages& messages_;
    QCheckBox* searchLogic_ = nullptr;
    QCheckBox* resultLines_ = nullptr;
    QCheckBox* statistics_ = nullptr;
    QListWidget* included_ = nullptr;
    QListWidget* excluded_ = nullptr;
    QWidget* moveButtons_ = nullptr;
    QPushButton* saveToFile_ = nullptr;
    QPushButton* openSaved_ = nullptr;
    QString lastName_;  // the file dialogs' last chosen name
    TextFileWindow* viewer_ = nullptr;
    BackgroundCommand* command_ = nullptr;
};

}  // namespace qf::shell
