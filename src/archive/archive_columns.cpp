#include "archive/archive_columns.h"

#include "archive/archive_marker.h"
#include "engine/file_extension.h"
#include "platform/file_info.h"
#include "platform/paths.h"

namespace qf {
namespace {

std::string Cut(std::string text) {
    if (text.size() > kMaxArchiveColumn) text.resize(kMaxArchiveColumn);
    return text;
}

// The part of `path` below `base`, starting with its separator; empty when
// `path` is `base` or does not lie below it.
std::string BelowFolder(const std::string& path, const std::string& base) {
    if (base.empty() || path.size() <= base.size() || path.compare(0, base.size(), base) != 0) return {};
    if (path[base.size()] != kPathSeparator) return {};
    return path.substr(base.size());
}

std::string MarkerPathOf(const _Folder_Struct& folder) {
    return JoinPath(ParentPath(TrimTrailingSeparators(folder.sIncreasedFolder)), kArchiveMarkerName);
}

void FillFromMarker(const _Folder_Struct& folder, const std::vector<std::string>& lines,
                    tagSelectedFileFolderStruct& entry) {
    const std::string& archive = folder.sArchiveFolderFiles;
    const std::string extraction = TrimTrailingSeparators(folder.sIncreasedFolder);
    if (lines.empty()) {
        entry.archiveFolder = Cut(ParentPath(archive));
        entry.archiveFileName = Cut(BaseName(archive));
    } else {
        entry.archiveFolder = Cut(lines.front());
        std::string rest;
        for (size_t i = 1; i < lines.size(); ++i) rest += lines[i];
        entry.archiveFileName = Cut(std::move(rest));
    }
    entry.archiveExtension = ExtensionOfName(BaseName(archive));
    entry.unzippedFolder = entry.folderPath;
    entry.unzippedFileName = entry.fileName;
    entry.unzippedExtension = entry.extension;
    entry.zipFolderText = "ZIPFILE:" + BelowFolder(entry.folderPath, extraction);
}

}  // namespace

void FillArchiveColumns(const _Folder_Struct& folder, tagSelectedFileFolderStruct& entry) {
    FillFromMarker(folder, ReadMarkerLines(MarkerPathOf(folder)), entry);
}

void ArchiveColumnFiller::Fill(const _Folder_Struct& folder, tagSelectedFileFolderStruct& entry) {
    std::string markerPath = MarkerPathOf(folder);
    WIN32_FIND_DATAA data;
    if (!GetFindData(markerPath, data)) data = {};
    if (markerPath != markerPath_ || !(data.ftLastWriteTime == markerData_.ftLastWriteTime) ||
        data.nFileSize != markerData_.nFileSize) {
        markerLines_ = ReadMarkerLines(markerPath);
        markerPath_ = std::move(markerPath);
        markerData_ = data;
    }
    FillFromMarker(folder, markerLines_, entry);
}

}  // namespace qf
