#pragma once
// The value of a checked Boolean query for a set of found terms.

#include <string_view>
#include <vector>

#include "results/hit_types.h"
#include "textsearch/boolean_query.h"

namespace qf {

constexpr int kOperatorNot = -1;
constexpr int kOperatorUnknown = 16;  // any other binary name: always false

// -1 for .NOT., 0-15 for the sixteen two-argument functions (the table row),
// kOperatorUnknown for any other name. name in upper case with its points.
int OperatorCode(std::string_view name);
// The function of code applied to a and b (0 or 1).
int ApplyBinary(int code, int a, int b);

// The value of one group from its argument values and operator codes, in
// left-to-right order: .NOT. before the binary operator negates the first
// argument, after it the second; a single argument is negated by a .NOT..
int GroupValue(const std::vector<int>& args, const std::vector<int>& operators);

// The value of the token list over a found-term set (keys in comparison form).
int EvaluateBoolean(const BooleanQuery& query, const MAP_HITS& found, bool caseSensitive);
// Over the terms of all hit lines of a file.
int EvaluateFile(const BooleanQuery& query, const MAP_LINES_WITH_HITS& lines, bool caseSensitive);
// Over the terms of one line or name.
int EvaluateTerms(const BooleanQuery& query, const MAP_TERM_POSITIONS& terms, bool caseSensitive);
// 1 when the query begins with .NOT..
int FirstIsNot(const BooleanQuery& query);

}  // namespace qf
