#include "results/record_maker.h"

#include "results/result_kind.h"
#include "results/result_store.h"

#include <utility>

namespace qf {

MadeRecords MakeRecords(SearchResults& results, const tagSelectedFileFolderStruct& entry, int kind,
                        MAP_LINES_WITH_HITS lines) {
    MadeRecords made;
    if (kind == kKindTextFolder) return made;
    if (!results.LiveRows()) {
        made.count = IsLineKind(kind) ? lines.size() : 1;
        if (!IsLineKind(kind)) lines.clear();
        results.AddFile(MakeFileEntry(entry, kind, std::move(lines)));
        return made;
    }

    tagPrivStruct base;
    FillKindFields(base, kind, entry);
    FillFileData(base, entry.findData);

    bool first = true;
    auto append = [&](tagPrivStruct record) {
        const size_t row = results.Append(std::move(record));
        if (first) made.firstRow = row;
        first = false;
        ++made.count;
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
    if (!IsLineKind(kind)) lines.clear();
    results.AddFile(MakeFileEntry(entry, kind, std::move(lines)));
    return made;
}

}  // namespace qf
