#include "shell/preview_edit.h"

#include <QAbstractTextDocumentLayout>
#include <QFontDatabase>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <algorithm>
#include <optional>

#include "shell/view_text_edit.h"

namespace qf::shell {

class LineNumberMargin : public QWidget {
public:
    explicit LineNumberMargin(PreviewEdit& edit) : QWidget(&edit), edit_(edit) {}

protected:
    void paintEvent(QPaintEvent* event) override { edit_.PaintMargin(event); }

private:
    PreviewEdit& edit_;
};

namespace {

constexpr int kMarginGap = 8;
const QColor kHitLineBackground(0xEE, 0xEE, 0xEE);

}  // namespace

PreviewEdit::PreviewEdit(QWidget* parent) : QTextEdit(parent) {
    setReadOnly(true);
    setLineWrapMode(QTextEdit::NoWrap);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    margin_ = new LineNumberMargin(*this);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, margin_, [this] { margin_->update(); });
    connect(document(), &QTextDocument::contentsChanged, this, &PreviewEdit::UpdateMargin);
    UpdateMargin();
}

uint32_t PreviewEdit::FileLineNumber(int textLine) const {
    return firstLine_ == 0 || textLine < 0 ? 0 : firstLine_ + uint32_t(textLine);
}

int PreviewEdit::MarginWidth() const {
    if (firstLine_ == 0) return 0;
    const uint32_t last = FileLineNumber(std::max(0, document()->blockCount() - 1));
    return fontMetrics().horizontalAdvance(QString::number(last)) + kMarginGap;
}

void PreviewEdit::UpdateMargin() {
    setViewportMargins(MarginWidth(), 0, 0, 0);
    const QRect area = contentsRect();
    margin_->setGeometry(area.left(), area.top(), MarginWidth(), area.height());
    margin_->setVisible(firstLine_ != 0);
    margin_->update();
}

void PreviewEdit::resizeEvent(QResizeEvent* event) {
    QTextEdit::resizeEvent(event);
    UpdateMargin();
}

void PreviewEdit::PaintMargin(QPaintEvent* /*event*/) {
    QPainter painter(margin_);
    painter.fillRect(margin_->rect(), palette().color(QPalette::Window));
    painter.setFont(font());
    const int scrolled = verticalScrollBar()->value();
    const int top = viewport()->geometry().top() - contentsRect().top();
    QAbstractTextDocumentLayout* layout = document()->documentLayout();
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        const QRectF rect = layout->blockBoundingRect(block).translated(0, top - scrolled);
        if (rect.bottom() < 0) continue;
        if (rect.top() > margin_->height()) break;
        // The line break that ends the text leaves an empty last block: no line of the file.
        if (!block.next().isValid() && block.length() <= 1) break;
        const QRect line(0, int(rect.top()), MarginWidth() - kMarginGap / 2, fontMetrics().height());
        const bool hit = block.blockNumber() == hitBlock_;
        painter.setPen(palette().color(hit ? QPalette::Text : QPalette::PlaceholderText));
        painter.drawText(line, Qt::AlignRight | Qt::AlignTop, QString::number(FileLineNumber(block.blockNumber())));
    }
}

void PreviewEdit::ShowPreview(const ViewText& view) {
    firstLine_ = view.firstLine;
    ShowViewText(*this, view);
    UpdateMargin();
    ScrollToHit(view);
}

void PreviewEdit::ClearPreview() {
    firstLine_ = 0;
    hitBlock_ = -1;
    clear();
    UpdateMargin();
}

// A block background lies under the hits' own backgrounds.
void PreviewEdit::MarkHitLine(int textLine) {
    hitBlock_ = textLine;
    QTextBlockFormat format;
    format.setBackground(kHitLineBackground);
    QTextCursor(document()->findBlockByNumber(textLine)).mergeBlockFormat(format);
}

// The clicked line's first hit comes into view, also far along a long line.
void PreviewEdit::ScrollToHit(const ViewText& view) {
    hitBlock_ = -1;
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    if (view.firstLine == 0 || view.hitLine < view.firstLine) return;
    const QTextBlock block = document()->findBlockByNumber(int(view.hitLine - view.firstLine));
    if (!block.isValid()) return;
    MarkHitLine(block.blockNumber());
    const size_t begin = size_t(block.position());
    const size_t end = begin + size_t(block.length()) - 1;
    std::optional<ColorRange> first;
    for (const ColorRange& range : view.ranges)
        if (range.utf16Begin >= begin && range.utf16Begin < end && (!first || range.utf16Begin < first->utf16Begin))
            first = range;
    // The end of the hit first, then its start: both come into view.
    QTextCursor cursor(document());
    cursor.setPosition(int(first ? std::min(first->utf16End, end) : begin));
    setTextCursor(cursor);
    ensureCursorVisible();
    cursor.setPosition(int(first ? first->utf16Begin : begin));
    setTextCursor(cursor);
    ensureCursorVisible();
}

}  // namespace qf::shell
