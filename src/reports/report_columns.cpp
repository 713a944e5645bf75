#include "reports/report_columns.h"

namespace qf {

std::string ReportColumnHeader(int column) {
    switch (column) {
        case 1:
            return "Line(s) with hit(s)";
        case 2:
            return "Full line(s) with hit(s)";
        case 3:
            return "Line Number";
        case 4:
            return "File /Folder Names";
        case 5:
            return "Extensions";
        case 6:
            return "Folders";
        case 7:
            return "Result Type";
        case 8:
            return "Size";
        case 9:
            return "Creation Time";
        case 10:
            return "Last Access";
        case 11:
            return "Last Modified";
        default:
            return {};
    }
}

Align ReportColumnAlign(int column) { return column == 3 || column == 8 ? Align::Right : Align::Left; }

std::string ReportColumnCell(const tagPrivStruct& record, int column) {
    switch (column) {
        case 1:
            return WithoutTabs(record.lineFromFirstHit);
        case 2:
            return WithoutTabs(record.fullLine);
        case 3:
            return record.lineNumber;
        case 4:
            return record.fileName;
        case 5:
            return record.extension;
        case 6:
            return record.folderPath;
        case 7:
            return record.hitsLocatedIn;
        case 8:
            return record.size;
        case 9:
            return record.creationTime;
        case 10:
            return record.lastAccessTime;
        case 11:
            return record.lastWriteTime;
        default:
            return {};
    }
}

}  // namespace qf
