#include "results/search_results.h"

namespace qf {

void SearchResults::Clear() {
    std::lock_guard guard(lock_);
    list_.clear();
    store_.clear();
    resultCounter_ = folderCounter_ = fileCounter_ = 0;
    previousFolderKey_ = previousFileKey_ = "  ";
}

void SearchResults::ResetNumbering() {
    std::lock_guard guard(lock_);
    resultCounter_ = folderCounter_ = fileCounter_ = 0;
    previousFolderKey_ = previousFileKey_ = "  ";
}

void SearchResults::Number(tagPrivStruct& r) {
    if (r.folderKey != previousFolderKey_) {
        r.newFolderMark = "New";
        r.newFileMark = "New";
        previousFolderKey_ = r.folderKey;
        previousFileKey_ = r.fileKey;
        ++folderCounter_;
        fileCounter_ = 1;
    } else {
        r.newFolderMark = "  ";
        if (r.fileKey != previousFileKey_) {
            r.newFileMark = "New";
            previousFileKey_ = r.fileKey;
            ++fileCounter_;
        } else {
            r.newFileMark = "  ";
        }
    }
    r.folderNumber = std::to_string(folderCounter_);
    r.fileNumberInFolder = std::to_string(fileCounter_);
    r.lineNumberCopy = r.lineNumber;
    r.resultNumber = std::to_string(++resultCounter_);
    r.readOrderMark = "F";
}

size_t SearchResults::Append(tagPrivStruct record) {
    std::lock_guard guard(lock_);
    Number(record);
    list_.push_back(std::move(record));
    return list_.size() - 1;
}

void SearchResults::AddFile(tagFileStrukt file) {
    std::lock_guard guard(lock_);
    std::string key = file.fullPath;
    store_.emplace(std::move(key), std::move(file));
}

size_t SearchResults::Size() const {
    std::lock_guard guard(lock_);
    return list_.size();
}

tagPrivStruct SearchResults::Row(size_t row) const {
    std::lock_guard guard(lock_);
    return row < list_.size() ? list_[row] : tagPrivStruct{};
}

std::string SearchResults::CellText(size_t row, int column) const {
    std::lock_guard guard(lock_);
    return row < list_.size() ? ColumnText(list_[row], column) : std::string();
}

RESULT_LIST SearchResults::CopyList() const {
    std::lock_guard guard(lock_);
    return list_;
}

void SearchResults::ReplaceList(RESULT_LIST list) {
    std::lock_guard guard(lock_);
    list_ = std::move(list);
}

FileResultsStore SearchResults::CopyStore() const {
    std::lock_guard guard(lock_);
    return store_;
}

void SearchResults::Read(const std::function<void(const RESULT_LIST&, const FileResultsStore&)>& f) const {
    std::lock_guard guard(lock_);
    f(list_, store_);
}

void SearchResults::WithLock(const std::function<void(RESULT_LIST&, FileResultsStore&)>& f) {
    std::lock_guard guard(lock_);
    f(list_, store_);
}

}  // namespace qf
