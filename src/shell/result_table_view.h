#pragma once
// The result window (control 131): a table that asks the model for its
// cells, with columns wide enough for their values in the window's font,
// movable and resizable by the user.

#include <QTableView>

namespace qf::shell {

class ResultTableView : public QTableView {
    Q_OBJECT
public:
    explicit ResultTableView(QWidget* parent = nullptr);

    // Widths for the columns of the result model, from the font's metrics.
    void SizeColumns();
    // Rows the view shows at its present height.
    int VisibleRowCount() const;
    // The smallest height that shows `rows` rows under the header.
    int HeightForRows(int rows) const;

signals:
    // The arrow keys, Page Up/Down, Home or End made another row current.
    void rowChosenByKeyboard(int row);
    // Enter on the current row: open its file, as a double click does.
    void rowOpenRequested(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// The width a column needs in a font: never narrower than its base width,
// wide enough for its caption and for its longest usual value.
int ResultColumnWidth(int column, const QFontMetrics& cells, const QFontMetrics& header);

}  // namespace qf::shell
