#include "results/result_rebuild.h"

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

#include "platform/parallel_parts.h"
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

// How many records a file makes: none for a folder found by a text, one for
// a whole-file result, one per hit line up to maxLines.
size_t RecordCount(const tagFileStrukt& file, int maxLines) {
    if (file.resultKind == kKindTextFolder) return 0;
    if (!IsLineKind(file.resultKind)) return 1;
    return std::min(file.lines.size(), size_t(std::max(maxLines, 0)));
}

// The `count` records of a file, made in their places from list[at] on.
void FillFileRecords(RESULT_LIST& list, size_t at, const tagFileStrukt& file, size_t count) {
    tagPrivStruct base;
    FillKindFields(base, file.resultKind, EntryOf(file));
    FillFileData(base, file.findData);
    if (!IsLineKind(file.resultKind)) {
        FillWholeFile(base);
        list[at] = std::move(base);
        return;
    }
    size_t made = 0;
    for (const auto& [number, line] : file.lines) {
        if (made == count) break;
        tagPrivStruct& record = list[at + made];
        // The last record takes the base itself.
        if (++made == count)
            record = std::move(base);
        else
            record = base;
        FillHitLine(record, number, line);
    }
}

// The files that make records, each with where its records start.
struct RecordPlan {
    std::vector<const tagFileStrukt*> files;
    std::vector<size_t> starts;
    std::vector<size_t> counts;
    size_t total = 0;
};

RecordPlan PlanRecords(const FileResultsStore& store, int maxLines) {
    RecordPlan plan;
    for (const auto& [path, file] : store) {
        const size_t count = RecordCount(file, maxLines);
        if (count == 0) continue;
        plan.files.push_back(&file);
        plan.starts.push_back(plan.total);
        plan.counts.push_back(count);
        plan.total += count;
    }
    return plan;
}


// The plan's files cut into `parts` runs of about as many records each.
std::vector<std::pair<size_t, size_t>> SplitPlan(const RecordPlan& plan, size_t parts) {
    std::vector<std::pair<size_t, size_t>> runs;
    size_t begin = 0;
    for (size_t part = 1; part <= parts; ++part) {
        const size_t end =
            part == parts ? plan.files.size()
                          : size_t(std::lower_bound(plan.starts.begin(), plan.starts.end(), plan.total * part / parts) -
                                   plan.starts.begin());
        runs.emplace_back(begin, end);  // the starts rise, so each run ends where the next begins
        begin = end;
    }
    return runs;
}

}  // namespace

size_t RecordParts(size_t records, int threads) {
    return PartsFor(records, kRecordsPerThread, std::min(threads, kMostRebuildThreads));
}

RESULT_LIST RebuildResultList(const FileResultsStore& store, int maxLinesPerFile, int threads) {
    const RecordPlan plan = PlanRecords(store, maxLinesPerFile);
    RESULT_LIST list(plan.total);
    const auto runs = SplitPlan(plan, RecordParts(plan.total, threads));
    RunParts(runs.size(), [&](size_t part) {
        for (size_t i = runs[part].first; i < runs[part].second; ++i)
            FillFileRecords(list, plan.starts[i], *plan.files[i], plan.counts[i]);
    });
    // Numbers go in list order, as the rows are shown.
    FolderNumbering numbering;
    for (tagPrivStruct& record : list) numbering.Number(record);
    return list;
}

int CountFolders(const FileResultsStore& store) {
    std::set<std::string> folders;
    for (const auto& [path, file] : store)
        if (file.resultKind != kKindTextFolder) folders.insert(file.folderPath);
    return int(folders.size());
}

}  // namespace qf
