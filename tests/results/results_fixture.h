#pragma once
// Builds search results the way a run does: entries through MakeRecords into
// a SearchResults, so that list and store agree.

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "platform/file_time.h"
#include "platform/paths.h"
#include "results/record_maker.h"
#include "results/result_kind.h"
#include "results/search_results.h"

namespace qftest {

struct HitSpec {
    uint32_t line;
    std::string text;
    std::vector<std::pair<std::string, std::vector<int32_t>>> terms;
    std::vector<std::pair<std::string, std::vector<int32_t>>> lengths;  // of a pattern's hits
};

inline qf::MAP_LINES_WITH_HITS Lines(std::initializer_list<HitSpec> hits) {
    qf::MAP_LINES_WITH_HITS lines;
    for (const HitSpec& h : hits) {
        qf::tagStructLineAndPositions line;
        line.sLineText = h.text;
        for (const auto& [term, positions] : h.terms)
            line.mapTermPositions[term] = qf::DEQUE_POSITIONS_IN_LINE(positions.begin(), positions.end());
        for (const auto& [term, lengths] : h.lengths)
            line.mapTermLengths[term] = qf::DEQUE_POSITIONS_IN_LINE(lengths.begin(), lengths.end());
        lines[h.line] = std::move(line);
    }
    return lines;
}

// A local date and time as the FILETIME a listing reports.
inline qf::FILETIME LocalTime(int year, int month, int day, int hour, int minute) {
    qf::SYSTEMTIME st;
    st.wYear = uint16_t(year);
    st.wMonth = uint16_t(month);
    st.wDay = uint16_t(day);
    st.wHour = uint16_t(hour);
    st.wMinute = uint16_t(minute);
    qf::FILETIME local, utc;
    qf::SystemTimeToFileTime(st, local);
    qf::LocalFileTimeToFileTime(local, utc);
    return utc;
}

inline std::string ExtensionOf(const std::string& name) {
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? "noext" : name.substr(dot + 1);
}

inline qf::tagSelectedFileFolderStruct Entry(const std::string& folder, const std::string& name, uint64_t size = 0) {
    qf::tagSelectedFileFolderStruct e;
    e.folderPath = folder;
    e.fileName = name;
    e.extension = ExtensionOf(name);
    e.fullPath = qf::JoinPath(folder, name);
    e.findData.nFileSize = size;
    e.findData.cFileName = name;
    const qf::FILETIME t = LocalTime(2005, 3, 7, 14, 5);
    e.findData.ftCreationTime = e.findData.ftLastAccessTime = e.findData.ftLastWriteTime = t;
    return e;
}

// One content file with one hit line per given line number.
inline void AddContentFile(qf::SearchResults& results, const qf::tagSelectedFileFolderStruct& entry,
                           std::initializer_list<uint32_t> lineNumbers) {
    qf::MAP_LINES_WITH_HITS lines;
    for (uint32_t n : lineNumbers) {
        lines[n].sLineText = "hit on line " + std::to_string(n);
        lines[n].mapTermPositions["hit"] = {0};
    }
    qf::MakeRecords(results, entry, qf::kKindFileContent, lines);
}

// The values of one field down the list, trailing and leading padding removed.
inline std::string Trim(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    size_t first = 0;
    while (first < s.size() && s[first] == ' ') ++first;
    return s.substr(first);
}

template <class F>
std::vector<std::string> Column(const qf::SearchResults& results, F field) {
    std::vector<std::string> values;
    for (const qf::tagPrivStruct& r : results.CopyList()) values.push_back(Trim(field(r)));
    return values;
}

}  // namespace qftest
