#include "results/result_renumber.h"

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/parallel_parts.h"
#include "results/list_view_spacer.h"
#include "results/result_rebuild.h"

namespace qf {
namespace {

// A key text with its hash, taken where the row was marked: the keys are
// padded to one width and share long beginnings, so hashing them is the
// costly part of counting, and it is done side by side. The hash is of the
// text without its padding, which equal keys share.
struct HashedKey {
    std::string_view text;
    size_t hash = 0;

    explicit HashedKey(std::string_view key)
        : text(key), hash(std::hash<std::string_view>()(Unpadded(key, Padding::Right))) {}
    bool operator==(const HashedKey& other) const { return text == other.text; }
};

// Where a file's run of rows begins: its folder key and its file key.
struct RunStart {
    HashedKey folder;
    HashedKey file;
    bool operator==(const RunStart& other) const { return folder == other.folder && file == other.file; }
};

struct KeyHash {
    size_t operator()(const HashedKey& key) const { return key.hash; }
    size_t operator()(const RunStart& run) const { return run.folder.hash * 31 + run.file.hash; }
};

// A row's number and New marks, which follow from the row before it
// alone; true when the row is the first of its file's run of rows.
bool MarkRow(RESULT_LIST& list, size_t row) {
    tagPrivStruct& r = list[row];
    r.resultNumber = std::to_string(row + 1);
    const bool newFolder = row == 0 || r.folderKey != list[row - 1].folderKey;
    const bool newFile = newFolder || r.fileKey != list[row - 1].fileKey;
    r.newFolderMark = newFolder ? "New" : "  ";
    r.newFileMark = newFile ? "New" : "  ";
    return newFile;
}

}  // namespace

FOLDER_FILE_COUNTS RenumberResultList(RESULT_LIST& list, int threads) {
    // The rows are marked side by side: a part reads the keys of the row
    // before it, which no part changes. Each part notes where its files'
    // runs of rows begin, their keys hashed.
    const size_t parts = RecordParts(list.size(), threads);
    std::vector<std::vector<RunStart>> runStarts(parts);
    RunParts(parts, [&](size_t part) {
        const auto [first, end] = PartRange(list.size(), parts, part);
        for (size_t row = first; row < end; ++row) {
            if (!MarkRow(list, row)) continue;
            runStarts[part].push_back({HashedKey(list[row].folderKey), HashedKey(list[row].fileKey)});
        }
    });
    // Counted per folder key rather than per run of rows: after a sort by
    // size one folder's files are spread over many runs. The views are of
    // the list's own keys, which stay in place.
    size_t runs = 0;
    for (const std::vector<RunStart>& starts : runStarts) runs += starts.size();
    std::unordered_set<RunStart, KeyHash> files;
    files.reserve(runs);
    std::unordered_map<HashedKey, int, KeyHash> filesPerFolder;
    for (const std::vector<RunStart>& starts : runStarts)
        for (const RunStart& run : starts)
            if (files.insert(run).second) ++filesPerFolder[run.folder];
    FOLDER_FILE_COUNTS counts;
    for (const auto& [folder, count] : filesPerFolder) counts.emplace(folder.text, count);
    return counts;
}

}  // namespace qf
