#pragma once
// Result lists and report requests for the report suites.

#include <string>

#include "reports/report_lines.h"
#include "results/record_maker.h"
#include "results/result_kind.h"
#include "support/test_support.h"

namespace qftest {

inline std::string Golden(const std::string& name) { return ReadFile(std::string(QUILLFIND_GOLDEN "/") + name); }

inline qf::SYSTEMTIME Time(int month, int day, int year, int hour, int minute, int second) {
    qf::SYSTEMTIME st;
    st.wMonth = uint16_t(month);
    st.wDay = uint16_t(day);
    st.wYear = uint16_t(year);
    st.wHour = uint16_t(hour);
    st.wMinute = uint16_t(minute);
    st.wSecond = uint16_t(second);
    return st;
}

// One content hit line per entry: the line number and its text, hit at 0.
inline void AddHit(qf::SearchResults& results, const std::string& folder, const std::string& name, uint32_t line,
                   const std::string& text) {
    qf::tagSelectedFileFolderStruct entry;
    entry.folderPath = folder;
    entry.fileName = name;
    entry.extension = name.substr(name.rfind('.') + 1);
    entry.fullPath = folder + "/" + name;
    qf::MAP_LINES_WITH_HITS lines;
    lines[line] = {text, {{"x", {0}}}};
    qf::MakeRecords(results, entry, qf::kKindFileContent, lines);
}

// Three records with line numbers 7, 12 and 100 in a.txt, bb.txt and c.txt.
inline qf::RESULT_LIST ThreeRecords() {
    qf::SearchResults results;
    AddHit(results, "/data", "a.txt", 7, "ab");
    AddHit(results, "/data", "bb.txt", 12, "helloworld");
    AddHit(results, "/data", "c.txt", 100, "x");
    return results.CopyList();
}

// Options with a fixed start and end and no section switched on.
inline qf::Options ReportOptions() {
    qf::Options o;
    o.SetInt(qf::Opt::LISTRESCHK, 0);
    o.SetDate(qf::Opt::SERCHSTART, Time(3, 7, 2005, 14, 0, 0));
    o.SetDate(qf::Opt::SEARCHENDT, Time(3, 7, 2005, 14, 1, 30));
    return o;
}

}  // namespace qftest
