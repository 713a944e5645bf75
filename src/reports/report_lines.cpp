#include "reports/report_lines.h"

#include "platform/file_time.h"
#include "reports/report_columns.h"
#include "reports/report_table.h"
#include "reports/settings_description.h"
#include "reports/statistics_table.h"

namespace qf {
namespace {

TEXT_TABLE RecordTable(const RESULT_LIST& results, const ColumnList& columns) {
    TEXT_TABLE table;
    table.reserve(results.size());
    for (const tagPrivStruct& record : results) {
        TEXT_ROW row;
        for (const _List_Name_Struct& column : columns) row.push_back(ReportColumnCell(record, column.nNumber));
        table.push_back(std::move(row));
    }
    return table;
}

std::vector<Align> ColumnAligns(const ColumnList& columns) {
    std::vector<Align> align;
    for (const _List_Name_Struct& column : columns) align.push_back(ReportColumnAlign(column.nNumber));
    return align;
}

void Append(std::vector<std::string>& lines, std::vector<std::string> more) {
    for (std::string& line : more) lines.push_back(std::move(line));
}

std::vector<std::string> HeaderLines(const ReportRequest& r) {
    return {
        "",
        std::string(30, ' ') + "Search Report" + std::string(33, ' ') +
            "List creation date and time : " + FormatDateTimeSeconds(r.now),
        "",
        ListStateText(r.options.Int(Opt::LISTORIGMO)),
        "Search started at : " + FormatDateTimeSeconds(r.options.Date(Opt::SERCHSTART)),
        "Search ended at   : " + FormatDateTimeSeconds(r.options.Date(Opt::SEARCHENDT)),
        "",
        "",
    };
}

}  // namespace

std::string ListStateText(int32_t state) {
    switch (state) {
        case 0:
            return "Report is generated from ORIGINAL results.";
        case 1:
            return "Report is generated from SORTED results.";
        case 2:
            return "Report is generated from GROUPED results.";
        case 3:
            return "Report is generated from SORTED and GROUPED results.";
        default:
            return "Report is generated from MODIFIED results";
    }
}

std::vector<std::string> ReportLines(const ReportRequest& r) {
    std::vector<std::string> lines = HeaderLines(r);
    const std::vector<std::string> separator{"  ", ""};
    if (r.options.On(Opt::LISTSETCHK))
        Append(lines, DescriptionTableLines(BuildReportDescription(r.snapshot, r.options, r.copyDestinations)));
    Append(lines, separator);
    if (r.options.On(Opt::LISTSUMMAR)) {
        Append(lines, StatisticsTableLines(r.statistics));
        if (r.counters && r.snapshot.options.On(Opt::CONVOFFICE)) lines.push_back(OfficeStatisticsLine(*r.counters));
        Append(lines, StatisticsLimitLines(r.statistics));
    }
    Append(lines, separator);
    if (r.options.On(Opt::LISTRESCHK)) Append(lines, ResultLinesSection(r.results, r.options.Columns(Opt::LISTINCLIS)));
    return lines;
}

std::vector<std::string> ResultLinesSection(const RESULT_LIST& results, const ColumnList& columns) {
    TEXT_TABLE table = RecordTable(results, columns);
    TEXT_ROW header;
    for (const _List_Name_Struct& column : columns) header.push_back(ReportColumnHeader(column.nNumber));
    table.insert(table.begin(), std::move(header));
    const TEXT_TABLE padded = PadTable(table, ColumnAligns(columns));

    std::vector<std::string> lines{JoinCells(padded.front(), "   ", true)};
    const std::string dashes(lines.front().size(), '-');
    lines.push_back(dashes);
    lines.push_back("  ");
    for (size_t i = 1; i < padded.size(); ++i) lines.push_back(JoinCells(padded[i], "   ", true));
    lines.push_back(dashes);
    lines.push_back(" Total number of lines saved : " + std::to_string(results.size()));
    return lines;
}

std::vector<std::string> ExportLines(const RESULT_LIST& results, const ColumnList& columns) {
    std::vector<std::string> lines;
    for (const TEXT_ROW& row : PadTable(RecordTable(results, columns), ColumnAligns(columns)))
        lines.push_back(JoinCells(row, " , ", true));
    return lines;
}

}  // namespace qf
