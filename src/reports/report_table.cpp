#include "reports/report_table.h"

#include <algorithm>

namespace qf {
namespace {

std::vector<size_t> ColumnWidths(const TEXT_TABLE& table) {
    std::vector<size_t> widths;
    for (const TEXT_ROW& row : table) {
        if (widths.size() < row.size()) widths.resize(row.size(), 0);
        for (size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], row[c].size());
    }
    return widths;
}

std::string Pad(const std::string& cell, size_t width, Align align) {
    if (cell.size() >= width) return cell;
    const std::string fill(width - cell.size(), ' ');
    return align == Align::Right ? fill + cell : cell + fill;
}

}  // namespace

TEXT_TABLE PadTable(const TEXT_TABLE& table, const std::vector<Align>& align) {
    const std::vector<size_t> widths = ColumnWidths(table);
    TEXT_TABLE padded;
    padded.reserve(table.size());
    for (const TEXT_ROW& row : table) {
        TEXT_ROW out;
        out.reserve(row.size());
        for (size_t c = 0; c < row.size(); ++c)
            out.push_back(Pad(row[c], widths[c], c < align.size() ? align[c] : Align::Left));
        padded.push_back(std::move(out));
    }
    return padded;
}

std::string JoinCells(const TEXT_ROW& row, const std::string& separator, bool trailing) {
    std::string line;
    for (size_t c = 0; c < row.size(); ++c) {
        line += row[c];
        if (trailing || c + 1 < row.size()) line += separator;
    }
    return line;
}

std::string WithoutTabs(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char ch : text)
        if (ch != '\t') out += ch;
    return out;
}

}  // namespace qf
