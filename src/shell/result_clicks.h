#pragma once
// What a click on a result row does: the preview with coloured hits or the
// file in its default application, and the record view.

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

    void Clicked(int row);     // notes the row, refills the record view, click action
    void DoubleClicked();      // click action on the noted row
    void RecordViewToggled(bool checked);
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
};

}  // namespace qf::shell
