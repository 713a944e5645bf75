#pragma once
// What a click on a result row does: the preview with coloured hits or the
// file in its default application, and the record view.

#include <QElapsedTimer>
#include <QString>
#include <functional>
#include <optional>

#include "engine/session.h"
#include "platform/user_messages.h"
#include "results/click_record.h"
#include "shell/main_controls.h"
#include "shell/qt_desktop_opener.h"
#include "shell/record_view_window.h"

namespace qf::shell {

class ResultClicks {
public:
    ResultClicks(Session& session, const MainControls& controls, RecordViewWindow& recordView,
                 UserMessages& messages);

    // How "open" and "edit" reach the desktop (tests replace its parts).
    QtDesktopOpener desktop;
    // Lines shown above and below a previewed hit; the options' values unless
    // the window supplies what its edits show.
    std::function<LinesAround()> linesAround;
    // Shows the record view without taking the keyboard from the table.
    std::function<void(QWidget&)> showToolWindow;

    void Clicked(int row);     // notes the row, refills the record view, click action
    // Another row made current by the keyboard: as a click, except that it
    // never opens a file (holding a key down would open one after another).
    void KeyboardMoved(int row);
    // Opens the row's file in its default application, whatever the click
    // action; a file that the click before it opened is not opened twice.
    void DoubleClicked(int row);
    // Opens the row's file (the context menu's "Open").
    void OpenRow(int row);
    // The folder that holds the file a row opens; empty for no row.
    QString FolderOfRow(int row) const;
    // Shows that folder in the desktop's file manager (193 when none starts).
    void OpenFolderOfRow(int row);
    // The file a row opens and its whole hit line (empty for a whole-file result).
    QString PathOfRow(int row) const;
    QString LineOfRow(int row) const;
    void RecordViewToggled(bool checked);
    // Empties the preview and hides the record view.
    void SearchStarted();
    // Selects the first row and previews it.
    void SearchEnded();
    // After a sort or a grouping: selects the first row and performs the click action.
    void ResultsReordered();
    int SelectedRow() const { return selectedRow_; }

private:
    void ClickAction();
    void FillRecordView();
    void HideRecordView();
    std::optional<size_t> Row() const;
    // The options with the click choice and the search mode as the window shows them now.
    Options ClickOptions() const;

    Session& session_;
    const MainControls& controls_;
    RecordViewWindow& recordView_;
    UserMessages& messages_;
    int selectedRow_ = -1;
    // The row a click opened and when, so that a double click opens it once.
    int openedRow_ = -1;
    QElapsedTimer openedAt_;
};

}  // namespace qf::shell
