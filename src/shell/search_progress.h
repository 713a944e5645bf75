#pragma once
// What the main window's status line says while a search runs and after a
// stop: the phase, the result lines and files found so far and the folder
// being searched.

#include <QString>
#include <cstdint>

class QLabel;

namespace qf::shell {

struct SearchProgress {
    QString phase;   // "Searching ...", "Selecting ..." as the run reports them
    QString folder;  // the folder whose turn it is
    int64_t lines = 0;
    int64_t files = 0;
};

// "Searching ...   12 result lines in 3 files   /data/docs"
QString ProgressText(const SearchProgress& progress);
// "Stopped by the user   12 result lines in 3 files"
QString StoppedText(int64_t lines, int64_t files);

// Shows the text in the label, the folder shortened in its middle to fit.
void ShowProgress(QLabel& label, const SearchProgress& progress);

}  // namespace qf::shell
