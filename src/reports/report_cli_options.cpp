#include "reports/report_cli_options.h"

#include <algorithm>
#include <vector>

#include "platform/case_fold.h"
#include "settings/default_lists.h"

namespace qf {
namespace {

std::string Trim(std::string_view s) {
    const size_t first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(s.substr(first, s.find_last_not_of(' ') - first + 1));
}

std::vector<std::string> SplitWords(std::string_view words) {
    std::vector<std::string> out;
    size_t start = 0;
    for (;;) {
        const size_t comma = words.find(',', start);
        out.push_back(
            Trim(words.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start)));
        if (comma == std::string_view::npos) return out;
        start = comma + 1;
    }
}

const _List_Name_Struct* FindColumn(const std::string& word) {
    for (const _List_Name_Struct& column : ReportColumns()) {
        if (EqualsIgnoreCase(column.sName, word) || std::to_string(column.nNumber) == word) return &column;
    }
    return nullptr;
}

}  // namespace

bool ParseReportSections(std::string_view words, Options& options, std::string& error) {
    bool logic = false, lines = false, stats = false;
    for (const std::string& word : SplitWords(words)) {
        const std::string lower = CharLowerA(word);
        if (lower == "logic")
            logic = true;
        else if (lower == "lines")
            lines = true;
        else if (lower == "stats")
            stats = true;
        else {
            error = "unknown report section '" + word + "' (use logic, lines, stats)";
            return false;
        }
    }
    options.SetInt(Opt::LISTSETCHK, logic);
    options.SetInt(Opt::LISTRESCHK, lines);
    options.SetInt(Opt::LISTSUMMAR, stats);
    return true;
}

bool ParseReportColumns(std::string_view words, Options& options, std::string& error) {
    ColumnList included;
    for (const std::string& word : SplitWords(words)) {
        const _List_Name_Struct* column = FindColumn(word);
        if (!column) {
            error = "unknown report column '" + word + "'";
            return false;
        }
        if (std::find(included.begin(), included.end(), *column) == included.end()) included.push_back(*column);
    }
    ColumnList excluded;
    for (const _List_Name_Struct& column : ReportColumns())
        if (std::find(included.begin(), included.end(), column) == included.end()) excluded.push_back(column);
    options.SetColumns(Opt::LISTINCLIS, std::move(included));
    options.SetColumns(Opt::LISTEXCLIS, std::move(excluded));
    return true;
}

}  // namespace qf
