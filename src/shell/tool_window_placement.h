#pragma once
// Where a tool window appears: never over the main window's Search and Stop
// buttons or its result table, so that Stop can always be reached.

#include <QRect>

class QWidget;

namespace qf::shell {

struct PlacementAreas {
    QRect screen;      // the screen's available area
    QRect main;        // the main window's frame
    QRect buttons;     // Search and Stop, on the screen
    QRect table;       // the result table, on the screen
    QSize decoration;  // what a window's frame adds to its size
};

// The frame position for a tool window of `size`: beside the main window,
// right or left, when the screen has room; else below the result table when
// it fits there; else at the main window's lower right, below the buttons.
QPoint ToolWindowPosition(const QSize& size, const PlacementAreas& areas);

// Moves a tool window before it is shown, unless the user has put it
// somewhere that leaves the buttons and the table free.
void PlaceToolWindow(QWidget& tool, const PlacementAreas& areas);

}  // namespace qf::shell
