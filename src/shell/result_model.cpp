#include "shell/result_model.h"

#include <algorithm>
#include <climits>

namespace qf::shell {
namespace {

constexpr qsizetype kTipFromLength = 30;

}  // namespace

const std::array<ResultColumn, kResultColumnCount>& ResultColumns() {
    static const std::array<ResultColumn, kResultColumnCount> columns{{
        {".", 1, false},
        {"Fold.num.", 70, true},
        {"File/Fold.", 60, true},
        {"Line in file", 70, true},
        {"Lines begin with the first hit.", 170, false},
        {"Hits located in", 90, false},
        {"File", 40, false},
        {"File/SubFolder Name", 170, false},
        {"Folder", 50, false},
        {"Folder Name (Full path to File/SubFolder)", 285, false},
        {"Ext", 50, false},
        {"Size", 50, true},
        {"Last Modified", 110, false},
        {"Creation time", 120, false},
        {"Last Accessed", 120, false},
        {"Conv. Folder Name (Full path to File/Subfolder)", 285, false},
        {"Converted File/SubFolder Name", 170, false},
        {"Conv. Ext", 50, false},
        {"Archive Folder Name (Full path to File/Subfolder)", 285, false},
        {"Archive File/SubFolder Name", 170, false},
        {"Archive.Ext", 50, false},
        {"Unzipped Folder Name (Full path to File/Subfolder)", 285, false},
        {"Unzipped File/SubFolder Name", 170, false},
        {"Unzipped.Ext", 50, false},
        {"Full line(s) with hit(s)", 170, false},
        {"No.", 30, true},
        {"F/R", 1, false},
        {"Type", 10, false},
    }};
    return columns;
}

bool IsPlaceholderColumn(int column) { return column == 0 || column == 26 || column == 27; }

int SortKeyOfColumn(int column) {
    switch (column) {
        case 7: return 0;   // File/SubFolder Name
        case 9: return 1;   // Folder Name
        case 5: return 2;   // Hits located in
        case 10: return 3;  // Ext
        case 11: return 4;  // Size
        case 12: return 5;  // Last Modified
        case 13: return 6;  // Creation time
        case 14: return 7;  // Last Accessed
        default: return -1;
    }
}

// Numbers are padded on the left, texts on the right, so that equal widths
// sort by value; the view shows the values themselves.
std::string UnpaddedCell(std::string text, int column) {
    switch (column) {
        case 1: case 2: case 3: case 11: {
            const size_t first = text.find_first_not_of(' ');
            return first == std::string::npos ? std::string() : text.substr(first);
        }
        case 4: case 5: case 7: case 9: case 10: case 12: case 13: case 14:
            text.erase(text.find_last_not_of(' ') + 1);
            return text;
        default:
            return text;
    }
}

ResultModel::ResultModel(const SearchResults& results, QObject* parent)
    : QAbstractTableModel(parent), results_(results) {}

int ResultModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int ResultModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kResultColumnCount; }

QVariant ResultModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        const QString text =
            QString::fromStdString(UnpaddedCell(results_.CellText(size_t(index.row()), index.column()), index.column()));
        // Long cells are cut by the column; the tip shows them whole.
        if (role == Qt::ToolTipRole) return text.size() > kTipFromLength ? QVariant(text) : QVariant();
        return text;
    }
    if (role == Qt::TextAlignmentRole) {
        const bool right = ResultColumns()[size_t(index.column())].rightAligned;
        return int((right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    return {};
}

QVariant ResultModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kResultColumnCount) return {};
    if (role == Qt::DisplayRole) return QString::fromLatin1(ResultColumns()[size_t(section)].caption);
    if (role == Qt::TextAlignmentRole) {
        const bool right = ResultColumns()[size_t(section)].rightAligned;
        return int((right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    return {};
}

void ResultModel::ShowRows(size_t rowCount) {
    const int rows = int(std::min<size_t>(rowCount, INT_MAX));
    if (rows <= rows_) return;
    beginInsertRows({}, rows_, rows - 1);
    rows_ = rows;
    endInsertRows();
}

void ResultModel::Refill(size_t rowCount) {
    beginResetModel();
    rows_ = int(std::min<size_t>(rowCount, INT_MAX));
    endResetModel();
}

}  // namespace qf::shell
