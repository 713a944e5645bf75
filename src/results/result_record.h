#pragma once
// One result row: a hit line, a name hit or a whole-file result.

#include <cstdint>
#include <string>

#include "platform/win_types.h"
#include "results/hit_types.h"
#include "results/result_store.h"
#include "results/selected_file.h"

namespace qf {

struct tagPrivStruct {
    std::string readOrderMark;       // "F"
    std::string folderNumber;
    std::string fileNumberInFolder;
    std::string lineNumber;          // "0" for a whole-file or folder record
    std::string resultNumber;
    std::string lineFromFirstHit;    // at most 200 characters
    std::string fullLine;
    std::string newFileMark;         // "New" or two spaces
    std::string fileName;
    std::string extension;
    std::string newFolderMark;       // "New" or two spaces
    std::string folderPath;
    std::string hitsLocatedIn;
    std::string size;
    std::string creationTime;
    std::string lastAccessTime;
    std::string lastWriteTime;
    std::string archiveFolder;
    std::string archiveFileName;
    std::string archiveExtension;
    std::string unzippedFolder;
    std::string unzippedFileName;
    std::string unzippedExtension;
    std::string convertedFolder;
    std::string convertedFileName;
    std::string convertedExtension;
    std::string fullPath;
    std::string convertedFullPath;
    std::string unzippedFullPath;
    std::string spare;
    int32_t lineNumberValue = 0;
    int32_t resultKind = 0;
    std::string typeCode;
    std::string folderKey;
    std::string fileKey;
    std::string lineNumberCopy;

    bool operator==(const tagPrivStruct&) const = default;
};

constexpr size_t kMaxFirstHitText = 200;
constexpr size_t kMaxArchiveText = 250;

// Kind texts, names, paths and the archive and conversion columns from the
// entry: a selected file, or a file of the result store.
void FillKindFields(tagPrivStruct& record, int kind, const tagSelectedFileFolderStruct& entry);
void FillKindFields(tagPrivStruct& record, int kind, const tagFileStrukt& file);
// Size and the three times (local time, "%02d/%02d/%d  %02d:%02d").
void FillFileData(tagPrivStruct& record, const WIN32_FIND_DATAA& data);
// Line number and the two line texts of a hit line, tabs removed.
void FillHitLine(tagPrivStruct& record, uint32_t lineNumber, const tagStructLineAndPositions& line);
// Line number "0" and empty texts for a whole-file record.
void FillWholeFile(tagPrivStruct& record);

// The text shown in result-window column `column` (0 and unknown: empty).
std::string ColumnText(const tagPrivStruct& record, int column);

}  // namespace qf
