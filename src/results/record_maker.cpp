#include "results/record_maker.h"

#include "results/result_kind.h"
#include "results/result_store.h"

#include <utility>

namespace qf {

namespace {

// The rows of a found entry, appended to the list; returns how many and where.
MadeRecords AppendRows(SearchResults& results, const tagSelectedFileFolderStruct& entry, int kind,
                       const MAP_LINES_WITH_HITS& lines) {
    MadeRecords made;
    tagPrivStruct base;
    FillKindFields(base, kind, entry);
    FillFileData(base, entry.findData);
    auto append = [&](tagPrivStruct record) {
        const size_t row = results.Append(std::move(record));
        if (made.count++ == 0) made.firstRow = row;
    };
    if (IsLineKind(kind)) {
        for (const auto& [number, line] : lines) {
            tagPrivStruct record = base;
            FillHitLine(record, number, line);
            append(std::move(record));
        }
    } else {
        tagPrivStruct record = base;
        FillWholeFile(record);
        append(std::move(record));
    }
    return made;
}

}  // namespace

MadeRecords MakeRecords(SearchResults& results, const tagSelectedFileFolderStruct& entry, int kind,
                        MAP_LINES_WITH_HITS lines) {
    if (kind == kKindTextFolder) return {};
    MadeRecords made;
    if (results.LiveRows())
        made = AppendRows(results, entry, kind, lines);
    else
        made.count = IsLineKind(kind) ? lines.size() : 1;
    if (!IsLineKind(kind)) lines.clear();
    results.AddFile(MakeFileEntry(entry, kind, std::move(lines)));
    return made;
}

}  // namespace qf
