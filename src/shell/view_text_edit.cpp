#include "shell/view_text_edit.h"

#include <QTextCursor>
#include <QTextEdit>

namespace qf::shell {

QColor TermColour(int index) {
    const _ColorList& c = kColorList[size_t(index) % kColorList.size()];
    return QColor(c.red, c.green, c.blue);
}

// A QTextDocument counts UTF-16 units, as the ranges' utf16 offsets do.
void ShowViewText(QTextEdit& edit, const ViewText& view) {
    edit.setPlainText(QString::fromStdString(view.text));
    QTextCursor cursor(edit.document());
    const int size = cursor.document()->characterCount() - 1;
    for (const ColorRange& range : view.ranges) {
        const int begin = int(std::min<size_t>(range.utf16Begin, size_t(size)));
        const int end = int(std::min<size_t>(range.utf16End, size_t(size)));
        if (end <= begin) continue;
        cursor.setPosition(begin);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        QTextCharFormat format;
        format.setForeground(TermColour(range.color));
        cursor.mergeCharFormat(format);
    }
    edit.setReadOnly(true);
}

}  // namespace qf::shell
