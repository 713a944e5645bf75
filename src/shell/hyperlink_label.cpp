#include "shell/hyperlink_label.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace qf::shell {

HyperlinkLabel::HyperlinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 192));
    setPalette(palette);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

bool HyperlinkLabel::IsUnderlined() const { return font().underline(); }

void HyperlinkLabel::SetUnderlined(bool underlined) {
    QFont f = font();
    f.setUnderline(underlined);
    setFont(f);
}

void HyperlinkLabel::enterEvent(QEnterEvent* event) {
    SetUnderlined(true);
    QLabel::enterEvent(event);
}

void HyperlinkLabel::leaveEvent(QEvent* event) {
    SetUnderlined(false);
    pressed_ = false;
    QLabel::leaveEvent(event);
}

void HyperlinkLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

// Only a press and release both on the text count, as with a button.
void HyperlinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) emit clicked();
}

void HyperlinkLabel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

}  // namespace qf::shell
