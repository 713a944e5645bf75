#pragma once
// The preview area (control 134): the clicked hit with the lines around it in
// a fixed-width font, each line numbered in a margin as in its file, the hit
// line marked and scrolled into view at its first hit.

#include <QTextEdit>
#include <cstdint>

#include "results/view_text.h"

namespace qf::shell {

class PreviewEdit : public QTextEdit {
    Q_OBJECT
public:
    explicit PreviewEdit(QWidget* parent = nullptr);

    void ShowPreview(const ViewText& view);
    void ClearPreview();

    // The file's number of a line of the text (from 0); 0 when the text is
    // not lines of a file.
    uint32_t FileLineNumber(int textLine) const;
    int MarginWidth() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class LineNumberMargin;
    void PaintMargin(QPaintEvent* event);
    void UpdateMargin();
    void ScrollToHit(const ViewText& view);
    void MarkHitLine(int textLine);

    QWidget* margin_ = nullptr;
    uint32_t firstLine_ = 0;
    int hitBlock_ = -1;
};

}  // namespace qf::shell
