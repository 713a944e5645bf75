#include "reports/statistics_table.h"

namespace qf {
namespace {

std::string Num(uint64_t value) { return std::to_string(value); }

TEXT_ROW CounterRow(const SearchStatistics& s, int row, std::string caption, std::string mode) {
    TEXT_ROW cells{std::move(caption), std::move(mode)};
    for (int column = 0; column < kStatColumnCount; ++column) {
        if (HasStatField(row, column))
            cells.push_back(Num(s.Cell(row, column)));
        else
            cells.push_back(column == kColBinarySkipped ? " " : "  ");
    }
    return cells;
}

std::string Int(int64_t value) { return std::to_string(value); }

}  // namespace

TEXT_TABLE StatisticsTableCells(const SearchStatistics& s) {
    return {
        {"S U M M A R Y", " ", "Number of", "Number of", "Found in", "Found in", "Examined", "Examined", "Skipped"},
        {" ", " ", "hits     ", "lines    ", "files   ", "folders ", "files   ", "folders ", "files  "},
        CounterRow(s, kRowFileNameOnly, "File name ", "(DOS mode)  "),
        CounterRow(s, kRowFileName, "File name ", "(Text mode)  "),
        CounterRow(s, kRowFolderName, "Folder name ", "(Text mode)  "),
        CounterRow(s, kRowContent, "File content ", "(Text mode)  "),
    };
}

std::vector<std::string> StatisticsTableLines(const SearchStatistics& stats) {
    std::vector<Align> align(9, Align::Right);
    align[0] = align[1] = Align::Left;
    const TEXT_TABLE padded = PadTable(StatisticsTableCells(stats), align);
    std::vector<std::string> lines;
    for (const TEXT_ROW& row : padded) lines.push_back(JoinCells(row, "   ", false));
    const std::string stars(lines[1].size(), '*');
    lines.insert(lines.begin() + 2, stars);
    lines.push_back(stars);
    return lines;
}

std::string OfficeStatisticsLine(const RunCounters& c) {
    return "Office docs : Found  " + Int(c.nOfficeExamined) + "  Converted  " + Int(c.nOfficeConverted) +
           "  Unconverted  " + Int(c.nOfficeFailed);
}

std::vector<std::string> StatisticsFieldLines(const SearchStatistics& s, const RunCounters& c, bool officeDocs) {
    std::vector<std::string> lines = {
        "MS Word docs : Found  " + Int(c.nWordExamined) + "  Converted  " + Int(c.nWordConverted) + "  Unconverted  " +
            Int(c.nWordFailed),
        "Pdf  docs : Found  " + Int(c.nPdfExamined) + "  Converted  " + Int(c.nPdfConverted) + "  Unconverted  " +
            Int(c.nPdfFailed),
        "Zipped files : Found  " + Int(c.nZipExamined) + "  Unzipped  " + Int(c.nZipUnzipped) + "  Failed  " +
            Int(c.nZipFailed),
    };
    if (officeDocs) lines.insert(lines.begin() + 2, OfficeStatisticsLine(c));
    const char* captions[kStatFileTypeCount] = {"Html  : ", "Htm   : ", "Txt   : ", "Other : "};
    for (int t = 0; t < kStatFileTypeCount; ++t) {
        const FileTypeCounters& type = s.fileTypes[size_t(t)];
        lines.push_back(std::string(captions[t]) + "Examined  " + Num(type.examined) + "  Found  " + Num(type.found) +
                        "  Not found " + Num(type.notFound));
    }
    lines.push_back("Sum. : Examined  " + Num(s.sumExamined));
    lines.push_back("Search started at : " + StatisticsTimeText(s.startTime));
    lines.push_back("Search ended at : " + StatisticsTimeText(s.endTime));
    lines.push_back(StatisticsStatusText(s));
    for (std::string& line : StatisticsLimitLines(s)) lines.push_back(std::move(line));
    return lines;
}

std::vector<std::string> StatisticsLimitLines(const SearchStatistics& s) {
    std::vector<std::string> lines = {
        "Unreadable : Files  " + Num(s.unreadableFiles) + "  Folders  " + Num(s.unreadableFolders),
        "Line/File limit reached : Files  " + Num(s.lineLimitFiles)};
    // Only a regular expression can give a line up: literal searches keep their lines.
    if (s.regexLimitLines.load() > 0) lines.push_back("Pattern work limit reached : Lines  " + Num(s.regexLimitLines));
    return lines;
}

}  // namespace qf
