#pragma once
// Padded text tables: every column as wide as its longest cell.

#include <string>
#include <vector>

namespace qf {

using TEXT_ROW = std::vector<std::string>;
using TEXT_TABLE = std::vector<TEXT_ROW>;

enum class Align { Left, Right };

// Pads every cell to its column's width (spaces on the right for left
// alignment, on the left for right alignment); cells are never cut.
// A column without an alignment is left-aligned.
TEXT_TABLE PadTable(const TEXT_TABLE& table, const std::vector<Align>& align);

// The cells joined by `separator`; with `trailing`, the separator also follows the last cell.
std::string JoinCells(const TEXT_ROW& row, const std::string& separator, bool trailing);

// Tab characters removed.
std::string WithoutTabs(const std::string& text);

}  // namespace qf
