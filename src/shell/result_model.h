#pragma once
// The result window's model: it owns only a row count and asks the result
// list for each visible cell, under the result lock, when the view paints it.

#include <QAbstractTableModel>
#include <array>

#include "results/search_results.h"

namespace qf::shell {

struct ResultColumn {
    const char* caption;
    int width;
    bool rightAligned;
};

constexpr int kResultColumnCount = 28;
const std::array<ResultColumn, kResultColumnCount>& ResultColumns();

// The columns that only carry texts for the views to read back ("." "F/R" "Type").
bool IsPlaceholderColumn(int column);
// The "Sort by: " key whose field a column shows; -1 for the other columns.
int SortKeyOfColumn(int column);
// A cell as the list holds it, less the spaces that pad it for sorting.
std::string UnpaddedCell(std::string text, int column);

class ResultModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ResultModel(const SearchResults& results, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Rows appended by a running search ("one by one"): only ever grows.
    void ShowRows(size_t rowCount);
    // The whole list changed (end of search, sort, group, clear).
    void Refill(size_t rowCount);

private:
    const SearchResults& results_;
    int rows_ = 0;
};

}  // namespace qf::shell
