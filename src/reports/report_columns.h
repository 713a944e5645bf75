#pragma once
// The eleven report columns: header text, field and alignment.

#include <string>

#include "reports/report_table.h"
#include "results/result_record.h"

namespace qf {

constexpr int kReportColumnCount = 11;

// "Line(s) with hit(s)", ..., "Last Modified"; empty for an unknown number.
std::string ReportColumnHeader(int column);
Align ReportColumnAlign(int column);
// The record's field for the column; the two line columns without tabs.
std::string ReportColumnCell(const tagPrivStruct& record, int column);

}  // namespace qf
