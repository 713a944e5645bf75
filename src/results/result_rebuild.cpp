#include "results/result_rebuild.h"

#include <algorithm>
#include <numeric>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "platform/case_fold.h"
#include "platform/parallel_parts.h"
#include "results/result_kind.h"
#include "results/result_sort_keys.h"

namespace qf {
namespace {

// The numbers a file's records get, given in the store's order.
struct FileNumbers {
    std::string folder;      // the folder key's number
    std::string file;        // the file key's number within its folder
    bool newFolder = false;  // its first record is the folder key's first
    bool newFile = false;    // its first record is the file key's first
    size_t storeStart = 0;   // records of the files before it in the store's order
};

// The store is ordered by full path, so one folder's files need not be
// adjacent ("a/b.txt" < "a/b/x" < "a/c.txt"); numbering by first appearance
// keeps one number per folder. A file's records come one after another, so
// they share their file's numbers.
class FolderNumbering {
public:
    FileNumbers Number(const tagFileStrukt& f, size_t storeStart) {
        FileNumbers numbers;
        numbers.storeStart = storeStart;
        // The maps are searched only when the folder or the file changes.
        if (!folder_ || f.folderPath != folder_->first) {
            auto [folder, added] = folders_.try_emplace(f.folderPath, Folder{int(folders_.size()) + 1, {}});
            folder_ = &*folder;
            file_ = nullptr;
            numbers.newFolder = added;
        }
        if (!file_ || f.fileName != file_->first) {
            auto [file, added] = folder_->second.files.try_emplace(f.fileName, int(folder_->second.files.size()) + 1);
            file_ = &*file;
            numbers.newFile = added;
        }
        numbers.folder = std::to_string(folder_->second.number);
        numbers.file = std::to_string(file_->second);
        return numbers;
    }

private:
    // Keyed by views of the store's texts, which outlive the numbering, and
    // hashed: the paths share long beginnings. Elements stay in place as
    // the maps grow.
    struct Folder {
        int number;
        std::unordered_map<std::string_view, int> files;
    };
    std::unordered_map<std::string_view, Folder> folders_;
    std::pair<const std::string_view, Folder>* folder_ = nullptr;  // the last file's
    std::pair<const std::string_view, int>* file_ = nullptr;
};

// The k-th record of a file takes its numbers; only the first can be new.
void NumberRecord(tagPrivStruct& r, const FileNumbers& numbers, size_t k) {
    r.folderNumber = numbers.folder;
    r.fileNumberInFolder = numbers.file;
    r.newFolderMark = k == 0 && numbers.newFolder ? "New" : "  ";
    r.newFileMark = k == 0 && numbers.newFile ? "New" : "  ";
    r.lineNumberCopy = r.lineNumber;
    r.resultNumber = std::to_string(numbers.storeStart + k + 1);
    r.readOrderMark = "F";
}

// How many records a file makes: none for a folder found by a text, one for
// a whole-file result, one per hit line up to maxLines.
size_t RecordCount(const tagFileStrukt& file, int maxLines) {
    if (file.resultKind == kKindTextFolder) return 0;
    if (!IsLineKind(file.resultKind)) return 1;
    return std::min(file.lines.size(), size_t(std::max(maxLines, 0)));
}

// A file that makes records: how many, where they start and their numbers.
struct PlannedFile {
    const tagFileStrukt* file = nullptr;
    size_t count = 0;
    size_t start = 0;
    FileNumbers numbers;
};

// The `count` records of a file, made and numbered in their places from
// list[start] on.
void FillFileRecords(RESULT_LIST& list, const PlannedFile& planned) {
    const tagFileStrukt& file = *planned.file;
    tagPrivStruct base;
    FillKindFields(base, file.resultKind, file);
    FillFileData(base, file.findData);
    if (!IsLineKind(file.resultKind)) {
        FillWholeFile(base);
        NumberRecord(base, planned.numbers, 0);
        list[planned.start] = std::move(base);
        return;
    }
    size_t made = 0;
    for (const auto& [number, line] : file.lines) {
        if (made == planned.count) break;
        tagPrivStruct& record = list[planned.start + made];
        // The last record takes the base itself.
        if (made + 1 == planned.count)
            record = std::move(base);
        else
            record = base;
        FillHitLine(record, number, line);
        NumberRecord(record, planned.numbers, made++);
    }
}

struct RecordPlan {
    std::vector<PlannedFile> files;
    size_t total = 0;
};

RecordPlan PlanRecords(const FileResultsStore& store, int maxLines) {
    RecordPlan plan;
    for (const auto& [path, file] : store) {
        const size_t count = RecordCount(file, maxLines);
        if (count == 0) continue;
        plan.files.push_back({&file, count, plan.total, {}});
        plan.total += count;
    }
    return plan;
}

// Numbers the plan's files while they are still in the store's order.
void NumberFiles(RecordPlan& plan) {
    FolderNumbering numbering;
    for (PlannedFile& planned : plan.files) planned.numbers = numbering.Number(*planned.file, planned.start);
}

// Places the files in the default sort's order of folder key, then file
// key; files that compare equal keep the store's order.
void PlaceByFolderAndFile(RecordPlan& plan) {
    // Each file's folder and name lowered once, into one buffer.
    std::vector<size_t> ends;  // folder, then name, for each file
    ends.reserve(2 * plan.files.size());
    size_t size = 0;
    for (const PlannedFile& planned : plan.files) {
        ends.push_back(size += planned.file->folderPath.size());
        ends.push_back(size += planned.file->fileName.size());
    }
    std::string lowered(size, '\0');
    char* to = lowered.data();
    for (const PlannedFile& planned : plan.files) {
        to = std::transform(planned.file->folderPath.begin(), planned.file->folderPath.end(), to, AsciiLower);
        to = std::transform(planned.file->fileName.begin(), planned.file->fileName.end(), to, AsciiLower);
    }
    const auto text = [&](size_t i) {
        const size_t begin = i == 0 ? 0 : ends[i - 1];
        return std::string_view(lowered).substr(begin, ends[i] - begin);
    };
    std::vector<size_t> order(plan.files.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        const int folder = ComparePaddedField(text(2 * a), text(2 * b));
        return folder != 0 ? folder < 0 : ComparePaddedField(text(2 * a + 1), text(2 * b + 1)) < 0;
    });
    std::vector<PlannedFile> placed;
    placed.reserve(order.size());
    size_t start = 0;
    for (const size_t i : order) {
        placed.push_back(std::move(plan.files[i]));
        placed.back().start = start;
        start += placed.back().count;
    }
    plan.files = std::move(placed);
}

// The plan's files cut into `parts` runs of about as much work each. A
// file's common fields (its times formatted among them) cost about as much
// as two of its records, so a run of many files with one hit line each
// takes fewer records than a run of few files with many.
std::vector<std::pair<size_t, size_t>> SplitPlan(const RecordPlan& plan, size_t parts) {
    constexpr size_t kFileCost = 2;
    const auto workBefore = [&](size_t file) { return plan.files[file].start + kFileCost * file; };
    const size_t total = plan.total + kFileCost * plan.files.size();
    std::vector<std::pair<size_t, size_t>> runs;
    size_t begin = 0;
    for (size_t part = 1; part <= parts; ++part) {
        size_t end = begin;
        if (part == parts)
            end = plan.files.size();
        else
            while (end < plan.files.size() && workBefore(end) < total * part / parts) ++end;
        runs.emplace_back(begin, end);
        begin = end;
    }
    return runs;
}

}  // namespace

size_t RecordParts(size_t records, int threads) {
    return PartsFor(records, kRecordsPerThread, std::min(threads, kMostRebuildThreads));
}

RESULT_LIST RebuildResultList(const FileResultsStore& store, int maxLinesPerFile, int threads, FileOrder order) {
    RecordPlan plan = PlanRecords(store, maxLinesPerFile);
    RESULT_LIST list;
    const auto numberAndPlaceFiles = [&] {
        NumberFiles(plan);
        if (order == FileOrder::FolderAndFile) PlaceByFolderAndFile(plan);
    };
    const auto makeEmptyRecords = [&] { list.resize(plan.total); };
    // With threads to spare, the empty records are made while the files are numbered and put in order.
    if (threads > 1) {
        RunParts(2, [&](size_t part) { part == 0 ? numberAndPlaceFiles() : makeEmptyRecords(); });
    } else {
        numberAndPlaceFiles();
        makeEmptyRecords();
    }
    const auto runs = SplitPlan(plan, RecordParts(plan.total, threads));
    RunParts(runs.size(), [&](size_t part) {
        for (size_t i = runs[part].first; i < runs[part].second; ++i) FillFileRecords(list, plan.files[i]);
    });
    return list;
}

int CountFolders(const FileResultsStore& store) {
    std::unordered_set<std::string_view> folders;  // views of the store's own texts
    // The store is ordered by path: a folder's files mostly follow one another.
    const std::string* last = nullptr;
    for (const auto& [path, file] : store) {
        if (file.resultKind == kKindTextFolder || (last && file.folderPath == *last)) continue;
        folders.insert(file.folderPath);
        last = &file.folderPath;
    }
    return int(folders.size());
}

}  // namespace qf
