#include "results/result_renumber.h"

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "platform/parallel_parts.h"
#include "results/result_rebuild.h"

namespace qf {
namespace {

using KeyPair = std::pair<std::string_view, std::string_view>;

struct KeyPairHash {
    size_t operator()(const KeyPair& keys) const {
        const std::hash<std::string_view> hash;
        return hash(keys.first) * 31 + hash(keys.second);
    }
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
    // runs of rows begin.
    const size_t parts = RecordParts(list.size(), threads);
    std::vector<std::vector<size_t>> runStarts(parts);
    RunParts(parts, [&](size_t part) {
        const auto [first, end] = PartRange(list.size(), parts, part);
        for (size_t row = first; row < end; ++row)
            if (MarkRow(list, row)) runStarts[part].push_back(row);
    });
    // Counted per folder key rather than per run of rows: after a sort by
    // size one folder's files are spread over many runs. The views are of
    // the list's own keys, which stay in place; hashed, since the keys are
    // padded to one width and share long beginnings.
    std::unordered_set<KeyPair, KeyPairHash> files;
    std::unordered_map<std::string_view, int> filesPerFolder;
    for (const std::vector<size_t>& starts : runStarts) {
        for (const size_t row : starts) {
            const tagPrivStruct& r = list[row];
            if (files.emplace(r.folderKey, r.fileKey).second) ++filesPerFolder[r.folderKey];
        }
    }
    FOLDER_FILE_COUNTS counts;
    for (const auto& [folder, count] : filesPerFolder) counts.emplace(folder, count);
    return counts;
}

}  // namespace qf
