#include "results/result_rebuild.h"

#include <set>
#include <utility>

#include "results/result_kind.h"

namespace qf {
namespace {

tagSelectedFileFolderStruct EntryOf(const tagFileStrukt& f) {
    tagSelectedFileFolderStruct e;
    e.resultKind = f.resultKind;
    e.folderPath = f.folderPath;
    e.fileName = f.fileName;
    e.extension = f.extension;
    e.fullPath = f.fullPath;
    e.findData = f.findData;
    e.archiveFolder = f.archiveFolder;
    e.archiveFileName = f.archiveFileName;
    e.archiveExtension = f.archiveExtension;
    e.unzippedFolder = f.unzippedFolder;
    e.unzippedFileName = f.unzippedFileName;
    e.unzippedExtension = f.unzippedExtension;
    e.zipFolderText = f.zipFolderText;
    e.convertedFolder = f.convertedFolder;
    e.convertedFileName = f.convertedFileName;
    e.convertedExtension = f.convertedExtension;
    e.convertedFullPath = f.convertedFullPath;
    return e;
}

// The store is ordered by full path, so one folder's files need not be
// adjacent ("a/b.txt" < "a/b/x" < "a/c.txt"); numbering by first appearance
// keeps one number per folder.
class FolderNumbering {
public:
    void Number(tagPrivStruct& r) {
        // A file's rows come one after another: the maps are searched only
        // when the folder or the file changes.
        bool newFolder = false;
        if (!folder_ || r.folderKey != folder_->first) {
            auto [folder, added] = folders_.try_emplace(r.folderKey, Folder{int(folders_.size()) + 1, {}});
            folder_ = &*folder;
            file_ = nullptr;
            newFolder = added;
        }
        bool newFile = false;
        if (!file_ || r.fileKey != file_->first) {
            auto [file, added] = folder_->second.files.try_emplace(r.fileKey, int(folder_->second.files.size()) + 1);
            file_ = &*file;
            newFile = added;
        }
        r.folderNumber = std::to_string(folder_->second.number);
        r.fileNumberInFolder = std::to_string(file_->second);
        r.newFolderMark = newFolder ? "New" : "  ";
        r.newFileMark = newFile ? "New" : "  ";
        r.lineNumberCopy = r.lineNumber;
        r.resultNumber = std::to_string(++results_);
        r.readOrderMark = "F";
    }

private:
    struct Folder {
        int number;
        std::map<std::string, int> files;
    };
    std::map<std::string, Folder> folders_;
    std::pair<const std::string, Folder>* folder_ = nullptr;  // the last record's
    std::pair<const std::string, int>* file_ = nullptr;
    int results_ = 0;
};

void AppendFileRecords(RESULT_LIST& list, const tagFileStrukt& file, int maxLines, FolderNumbering& numbering) {
    if (file.resultKind == kKindTextFolder) return;
    tagPrivStruct base;
    FillKindFields(base, file.resultKind, EntryOf(file));
    FillFileData(base, file.findData);
    if (!IsLineKind(file.resultKind)) {
        FillWholeFile(base);
        numbering.Number(base);
        list.push_back(std::move(base));
        return;
    }
    int made = 0;
    size_t left = file.lines.size();
    for (const auto& [number, line] : file.lines) {
        if (made++ >= maxLines) break;
        // Made in its place in the list; the last line's record takes the base itself.
        tagPrivStruct& record = --left == 0 || made == maxLines ? list.emplace_back(std::move(base))
                                                                : list.emplace_back(base);
        FillHitLine(record, number, line);
        numbering.Number(record);
    }
}

}  // namespace

RESULT_LIST RebuildResultList(const FileResultsStore& store, int maxLinesPerFile) {
    RESULT_LIST list;
    FolderNumbering numbering;
    for (const auto& [path, file] : store) AppendFileRecords(list, file, maxLinesPerFile, numbering);
    return list;
}

int CountFolders(const FileResultsStore& store) {
    std::set<std::string> folders;
    for (const auto& [path, file] : store)
        if (file.resultKind != kKindTextFolder) folders.insert(file.folderPath);
    return int(folders.size());
}

}  // namespace qf
