#include "results/result_renumber.h"

#include <set>
#include <string_view>
#include <utility>

namespace qf {

FOLDER_FILE_COUNTS RenumberResultList(RESULT_LIST& list) {
    // Views into the list's own keys, which stay in place while it is renumbered.
    std::string_view previousFolder, previousFile;
    bool first = true;
    std::set<std::pair<std::string_view, std::string_view>> files;
    FOLDER_FILE_COUNTS counts;
    size_t position = 0;
    for (tagPrivStruct& r : list) {
        r.resultNumber = std::to_string(++position);
        // A row of the file of the row before was counted with that row.
        const bool sameFile = !first && r.folderKey == previousFolder && r.fileKey == previousFile;
        if (first || r.folderKey != previousFolder) {
            r.newFolderMark = "New";
            r.newFileMark = "New";
        } else {
            r.newFolderMark = "  ";
            r.newFileMark = r.fileKey != previousFile ? "New" : "  ";
        }
        previousFolder = r.folderKey;
        previousFile = r.fileKey;
        first = false;
        // Counted per folder key rather than per run of rows: after a sort by
        // size one folder's files are spread over many runs.
        if (!sameFile && files.emplace(r.folderKey, r.fileKey).second) ++counts[r.folderKey];
    }
    return counts;
}

}  // namespace qf
