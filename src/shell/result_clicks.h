#pragma once
// What a click on a result row does: the preview with coloured hits or the
// file in its default application, and the record view.

#include <QString>
#include <functional>

#include "engine/session.h"
#include "platform/user_messages.h"
#include "shell/main_controls.h"
#include "shell/record_view_window.h"

namespace qf::shell {

// Opens a file in the desktop's default application; false when it cannot.
using FileOpener = std::function<bool(const QString& path)>;
bool OpenWithDefaultApplication(const QString& path);

// The file a click opens: the extracted copy of an archived file, else the file itself.
std::string OpenPath(const tagPrivStruct& record);

class ResultClicks {
public:
    ResultClicks(Session& session, const MainControls& controls, RecordViewWindow& recordView,
                 UserMessages& messages);

    FileOpener openFile = OpenWithDefaultApplication;

    void Clicked(int row);     // notes the row, refills the record view, click action
    void DoubleClicked();      // click action on the noted row
    void RecordViewToggled(bool checked);
    void SearchStarted();
    // Selects the first row and previews it.
    void SearchEnded();
    int SelectedRow() const { return selectedRow_; }

private:
    void ClickAction();
    void FillPreview(const tagPrivStruct& record);
    void FillRecordView();
    void HideRecordView();
    std::vector<std::string> Terms() const;

    Session& session_;
    const MainControls& controls_;
    RecordViewWindow& recordView_;
    UserMessages& messages_;
    int selectedRow_ = -1;
};

}  // namespace qf::shell
