#include "results/record_maker.h"

#include "results/result_kind.h"
#include "results/result_store.h"

namespace qf {

MadeRecords MakeRecords(SearchResults& results, const tagSelectedFileFolderStruct& entry, int kind,
                        const MAP_LINES_WITH_HITS& lines) {
    MadeRecords made;
    if (kind == kKindTextFolder) return made;

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
    results.AddFile(MakeFileEntry(entry, kind, IsLineKind(kind) ? lines : MAP_LINES_WITH_HITS{}));
    return made;
}

}  // namespace qf
