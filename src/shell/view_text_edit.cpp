#include "shell/view_text_edit.h"

#include <QTextCursor>
#include <QTextEdit>
#include <algorithm>
#include <cmath>

namespace qf::shell {
namespace {

double Linear(double channel) {
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& c) {
    return 0.2126 * Linear(c.red()) + 0.7152 * Linear(c.green()) + 0.0722 * Linear(c.blue());
}

}  // namespace

QColor TermColour(int index) {
    const _ColorList& c = kColorList[size_t(index) % kColorList.size()];
    return QColor(c.red, c.green, c.blue);
}

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor HitTextColour(const QColor& background) {
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return ContrastRatio(background, black) >= ContrastRatio(background, white) ? black : white;
}

// A QTextDocument counts UTF-16 units, as the ranges' utf16 offsets do. The
// light colours of the list (yellow, cyan) cannot be read as text on white,
// so each hit is the colour behind its text.
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
        const QColor colour = TermColour(range.color);
        QTextCharFormat format;
        format.setBackground(colour);
        format.setForeground(HitTextColour(colour));
        cursor.mergeCharFormat(format);
    }
    edit.setReadOnly(true);
}

}  // namespace qf::shell
