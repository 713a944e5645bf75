#include "shell/result_table_view.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>
#include <cmath>

#include "shell/control_ids.h"
#include "shell/result_model.h"

namespace qf::shell {
namespace {

// The columns' base widths are pixels of an 8-point dialog font whose
// average character is five pixels wide.
constexpr double kBaseCharWidth = 5.0;
constexpr int kCellPadding = 12;    // the cell's margins and the grid line
constexpr int kHeaderPadding = 24;  // room for the sort arrow as well

// The longest value a column usually holds; empty where its width scales.
const char* LongestValue(int column) {
    switch (column) {
        case 1: case 2: return "99999";
        case 3: return "9999999";
        case 5: return "File content";
        case 6: case 8: return "New";
        case 10: case 17: case 20: case 23: return "docx";
        case 11: return "9999999999";
        case 12: case 13: case 14: return "12/31/2004  23:59";
        case 25: return "10000";
        default: return "";
    }
}

}  // namespace

int ResultColumnWidth(int column, const QFontMetrics& cells, const QFontMetrics& header) {
    const ResultColumn& c = ResultColumns()[size_t(column)];
    const double scale = std::max(1.0, cells.averageCharWidth() / kBaseCharWidth);
    int width = std::max(c.width, int(std::ceil(c.width * scale)));
    width = std::max(width, header.horizontalAdvance(QString::fromLatin1(c.caption)) + kHeaderPadding);
    return std::max(width, cells.horizontalAdvance(QString::fromLatin1(LongestValue(column))) + kCellPadding);
}

ResultTableView::ResultTableView(QWidget* parent) : QTableView(parent) {
    setObjectName(IdName(kIdResultWindow));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setShowGrid(true);
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
    setContextMenuPolicy(Qt::CustomContextMenu);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    QHeaderView* columns = horizontalHeader();
    columns->setHighlightSections(false);
    columns->setSectionsMovable(true);
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setStretchLastSection(true);
    columns->setSectionsClickable(true);
}

void ResultTableView::SizeColumns() {
    QHeaderView* columns = horizontalHeader();
    const QFontMetrics header(columns->font());
    for (int column = 0; column < kResultColumnCount; ++column) {
        // Their texts stay in the model for the views that read rows back.
        columns->setSectionHidden(column, IsPlaceholderColumn(column));
        if (!IsPlaceholderColumn(column)) columns->resizeSection(column, ResultColumnWidth(column, fontMetrics(), header));
    }
}

int ResultTableView::VisibleRowCount() const {
    return viewport()->height() / std::max(1, verticalHeader()->defaultSectionSize());
}

// Asked once the model is set: the header's height depends on its sections.
int ResultTableView::HeightForRows(int rows) const {
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const int row = verticalHeader()->defaultSectionSize();
    return horizontalHeader()->sizeHint().height() + rows * row + scrollBar + 2 * frameWidth() + 2;
}

void ResultTableView::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentIndex().isValid()) {
        emit rowOpenRequested(currentIndex().row());
        return;
    }
    const int before = currentIndex().row();
    QTableView::keyPressEvent(event);
    const int after = currentIndex().row();
    if (after >= 0 && after != before) emit rowChosenByKeyboard(after);
}

}  // namespace qf::shell
