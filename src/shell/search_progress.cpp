#include "shell/search_progress.h"

#include <QFontMetrics>
#include <QLabel>
#include <algorithm>

namespace qf::shell {
namespace {

const QString kGap = QStringLiteral("   ");

QString Counts(int64_t lines, int64_t files) {
    return QStringLiteral("%1 result line%2 in %3 file%4")
        .arg(lines)
        .arg(lines == 1 ? "" : "s")
        .arg(files)
        .arg(files == 1 ? "" : "s");
}

QString Head(const SearchProgress& p) { return p.phase.trimmed() + kGap + Counts(p.lines, p.files); }

}  // namespace

QString ProgressText(const SearchProgress& progress) {
    const QString head = Head(progress);
    return progress.folder.isEmpty() ? head : head + kGap + progress.folder;
}

QString StoppedText(int64_t lines, int64_t files) {
    return QStringLiteral("Stopped by the user") + kGap + Counts(lines, files);
}

void ShowProgress(QLabel& label, const SearchProgress& progress) {
    const QString head = Head(progress);
    if (progress.folder.isEmpty()) {
        label.setText(head);
        return;
    }
    const QFontMetrics metrics(label.font());
    const int room = label.width() - metrics.horizontalAdvance(head + kGap) - label.margin() * 2;
    label.setText(head + kGap + metrics.elidedText(progress.folder, Qt::ElideMiddle, std::max(room, 0)));
    label.setToolTip(progress.folder);
}

}  // namespace qf::shell
