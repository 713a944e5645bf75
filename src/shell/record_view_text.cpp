#include "shell/record_view_text.h"

#include <algorithm>
#include <set>

#include "shell/hit_line_preview.h"

namespace qf::shell {
namespace {

constexpr size_t kMaxLineText = 250;

HitText Plain(std::string text) { return HitText{std::move(text), {}}; }

// Folder, file and line values from "Folder Number :" on; the archive
// values only in the full layout.
void FillRecordValues(std::array<HitText, kRecordViewFields>& v, const tagPrivStruct& r,
                      const FolderFileCounts& counts, bool withArchive) {
    const std::array<std::string, 20> texts{
        r.folderNumber + "/" + std::to_string(counts.folders),
        r.fileNumberInFolder + "/" + std::to_string(counts.filesInFolder),
        r.lineNumber, r.hitsLocatedIn, r.fileName, r.folderPath, r.extension, r.size,
        r.creationTime, r.lastAccessTime, r.lastWriteTime,
        r.convertedFileName, r.convertedFolder, r.convertedExtension,
        r.archiveFileName, r.archiveFolder, r.archiveExtension,
        r.unzippedFileName, r.unzippedFolder, r.unzippedExtension};
    const size_t count = withArchive ? texts.size() : texts.size() - 6;
    for (size_t i = 0; i < count; ++i) v[i + 2] = Plain(texts[i]);
}

bool IsNegatedCode(const std::string& code) {
    return code == "NOC" || code == "NFIC" || code == "NFIN" || code == "NFON" || code == "NFIE";
}

}  // namespace

const std::array<const char*, kRecordViewFields>& RecordViewLabels() {
    static const std::array<const char*, kRecordViewFields> labels{
        "Lines begin with the first hit :", "Full line with hits :", "Folder Number :",
        "File Number in Folder :", "Line number in file :", "Hits located in :",
        "File/Subfolder Name :", "Folder Name (Full path) :", "Extension :", "Size :",
        "Creation date :", "Last access date :", "Last modified date :",
        "Converted File/Subf. Name :", "Converted Folder Name :", "Converted Extension :",
        "Archive File/Subf. Name :", "Archive Folder Name :", "Archive Extension :",
        "Archive Working File/Subf. Name :", "Archive Working Folder Name :", "Archive Working Extension :"};
    return labels;
}

FolderFileCounts CountFolderFiles(const RESULT_LIST& list, const std::string& folderNumber) {
    std::set<std::string> folders;
    std::set<std::string> files;
    for (const tagPrivStruct& record : list) {
        folders.insert(record.folderNumber);
        if (record.folderNumber == folderNumber) files.insert(record.fileKey);
    }
    return {folders.size(), files.size()};
}

std::array<HitText, kRecordViewFields> RecordViewValues(const tagPrivStruct& record, const tagFileStrukt& file,
                                                        const std::vector<std::string>& comparisonTerms,
                                                        const FolderFileCounts& counts) {
    std::array<HitText, kRecordViewFields> values;
    const auto line = file.lines.find(RecordLine(record));
    if (line == file.lines.end()) {
        values[0] = Plain(record.lineFromFirstHit.substr(0, kMaxLineText));
        return values;
    }
    const std::string lineText = IsNegatedCode(record.typeCode) ? "" : line->second.sLineText.substr(0, kMaxLineText);
    const MAP_TERM_POSITIONS& positions = line->second.mapTermPositions;
    const int32_t first = FirstHitPosition(positions);
    if (positions.empty() || first < 0) {
        values[0] = Plain(lineText);
        values[1] = Plain(lineText);
        FillRecordValues(values, record, counts, false);
        return values;
    }
    const std::string firstHit = lineText.substr(std::min(size_t(first), lineText.size()), kMaxFirstHitText);
    values[0].text = firstHit;
    MAP_TERM_POSITIONS shifted;
    for (const auto& [term, list] : positions)
        for (int32_t p : list)
            if (p >= first) shifted[term].push_back(p - first);
    AddLineHits(shifted, comparisonTerms, 0, firstHit.size(), values[0].hits);
    values[1].text = lineText;
    AddLineHits(positions, comparisonTerms, 0, lineText.size(), values[1].hits);
    FillRecordValues(values, record, counts, true);
    return values;
}

}  // namespace qf::shell
