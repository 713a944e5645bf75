#pragma once
// Tool window 118 "Managing  results": sorting the result list, grouping it
// by file type, the hit lines per file it shows, and the lines around a hit
// in the preview. Usable while a search runs: every command rebuilds from a
// copy of the per-file store and swaps the new list in.

#include <QDialog>
#include <QString>
#include <functional>
#include <memory>

#include "engine/session.h"
#include "platform/user_messages.h"
#include "results/click_record.h"
#include "results/result_view_state.h"
#include "results/search_observer.h"

class QComboBox;
class QGroupBox;
class QListWidget;
class QRadioButton;
class QSpinBox;

namespace qf::shell {

class BackgroundCommand;

class ManagingResultsWindow : public QDialog {
    Q_OBJECT
public:
    ManagingResultsWindow(Session& session, UserMessages& messages, QWidget* parent = nullptr);
    ~ManagingResultsWindow() override;  // waits for a command still at work

    // Button "Group/Sort/Misc.": fills the type lists from the result list
    // when Include is empty. False (and hidden) when there are no results.
    bool RefreshGroupingLists();
    // The controls into ASCSORTORD, DSCSORTORD, SELSORTORD, ABOVERESNO,
    // BELOWRESNO and ARESLINENU (OK, a settings save, the settings description).
    void StoreIntoOptions(Options& o) const;
    // The controls from the options (start-up, a settings file opened).
    void LoadFromOptions();
    // Lines above and below a hit, as the two edits show them now.
    LinesAround PreviewLines() const;

    // OK: stores and hides; CANCEL (reject) only hides.
    void accept() override;

    // A sort, grouping or line-count change is being worked on; commands
    // given meanwhile are ignored.
    bool Busy() const;

public slots:
    // Follows the main window's click-action radios: only the preview uses
    // the lines above and below.
    void SetPreviewLinesEnabled(bool enabled);
    // A search ended: both type lists refilled from its results, and
    // "From the same file:" set to the per-file limit of the search.
    void SearchEnded();
    // Refreshes the type lists, then shows and raises the window.
    void ShowFromButton();
    // The Sort command with this key and order chosen, as a click on a
    // column header gives them.
    void SortBy(int keyIndex, bool descending);

signals:
    // The result list was rebuilt: refill the result window with `rows`
    // rows, select the first and perform the click action.
    void resultsChanged(qulonglong rows);
    // A Sort command ordered the list by this key (after resultsChanged).
    void sorted(int keyIndex, bool descending);
    void statusText(const QString& text);      // "Sorting ..."
    void commandFinished();
    void statisticsText(const QString& text);  // what a grouping left

private:
    QWidget* BuildSortBox();
    QWidget* BuildGroupingBox();
    QWidget* BuildLinesPerFileBox();
    QWidget* BuildPreviewLinesBox();

    void Sort();
    void Group();
    void Ungroup();
    void Modify();
    void Finish(const CommandReport& report);
    void RunCommand(const std::function<CommandReport(ResultViewState&, Options&)>& command,
                    const std::function<void(const CommandReport&)>& after);
    void TakeCommandOptions(const Options& from);
    void CheckLinesPerFile(int value);
    void CheckPreviewLines(QSpinBox& edit, bool above, int value);

    // The state the commands work on. While a search runs its worker owns the
    // session's copy until the run ends, so the window keeps its own.
    ResultViewState& View();
    void ListsIntoView();
    void ListsFromView();

    Session& session_;
    UserMessages& messages_;
    std::unique_ptr<SearchObserver> relay_;  // "Sorting ..." from a command's thread
    BackgroundCommand* command_ = nullptr;
    ResultViewState runningView_;
    bool searchEnded_ = false;

    QComboBox* sortBy_ = nullptr;
    QRadioButton* ascending_ = nullptr;
    QRadioButton* descending_ = nullptr;
    QListWidget* include_ = nullptr;
    QListWidget* exclude_ = nullptr;
    QSpinBox* linesPerFile_ = nullptr;
    QGroupBox* previewBox_ = nullptr;
    QSpinBox* above_ = nullptr;
    QSpinBox* below_ = nullptr;
};

}  // namespace qf::shell
