#include "shell/tool_window_placement.h"

#include <QWidget>
#include <algorithm>

namespace qf::shell {
namespace {

constexpr int kGap = 8;

// Kept inside the screen; the top edge wins over the bottom one.
QPoint Clamped(QPoint at, const QSize& size, const QRect& screen) {
    at.setX(std::max(screen.left(), std::min(at.x(), screen.right() + 1 - size.width())));
    at.setY(std::max(screen.top(), std::min(at.y(), screen.bottom() + 1 - size.height())));
    return at;
}

bool Covers(const QRect& window, const PlacementAreas& areas) {
    return window.intersects(areas.buttons) || window.intersects(areas.table);
}

}  // namespace

QPoint ToolWindowPosition(const QSize& size, const PlacementAreas& a) {
    const int top = std::max(a.screen.top(), std::min(a.main.top(), a.screen.bottom() + 1 - size.height()));
    const QPoint right(a.main.right() + 1 + kGap, top);
    if (right.x() + size.width() <= a.screen.right() + 1) return right;
    const QPoint left(a.main.left() - kGap - size.width(), top);
    if (left.x() >= a.screen.left()) return left;

    const int alignRight = a.main.right() + 1 - size.width();
    const QPoint belowTable = Clamped(QPoint(alignRight, a.table.bottom() + 1 + kGap), size, a.screen);
    if (!Covers(QRect(belowTable, size), a)) return belowTable;
    // Nowhere free: the lower right, never above the buttons' lower edge.
    const int y = std::max(a.buttons.bottom() + 1 + kGap, a.main.bottom() + 1 - size.height());
    QPoint lowerRight = Clamped(QPoint(alignRight, y), size, a.screen);
    lowerRight.setY(std::max(lowerRight.y(), a.buttons.bottom() + 1 + kGap));
    return lowerRight;
}

void PlaceToolWindow(QWidget& tool, const PlacementAreas& areas) {
    // A window shown before keeps the place it had, if that leaves Stop free.
    if (tool.property("placed").toBool() && !Covers(tool.frameGeometry(), areas)) return;
    if (!tool.testAttribute(Qt::WA_Resized)) tool.adjustSize();
    const QPoint at = ToolWindowPosition(tool.size() + areas.decoration, areas);
    tool.move(at);
    tool.setProperty("placed", true);
}

}  // namespace qf::shell
