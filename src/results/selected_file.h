#pragma once
// One entry of the selected-file list: what the file phase hands to the
// content phase (a name hit, a whole-file result or a file to read).

#include <cstdint>
#include <string>

#include "platform/win_types.h"
#include "results/hit_types.h"
#include "platform/paths.h"

namespace qf {

struct tagSelectedFileFolderStruct {
    int resultKind = 3;            // 3: read the content; otherwise a result of this kind
    std::string folderPath;        // folder that holds the file (or the folder, for a folder-name hit)
    std::string fileName;          // name without folder
    std::string extension;         // "noext" when the name has none
    std::string fullPath;
    WIN32_FIND_DATAA findData;     // attributes, times and size as listed
    // A file listed by name only, its times and size not read yet: the
    // content scan reads them from the opened file.
    bool findDataPending = false;
    MAP_LINES_WITH_HITS nameHits;  // for a name hit: the name as line 1 with its positions

    // Archive columns (a file extracted from a ZIP archive).
    std::string archiveFolder;
    std::string archiveFileName;
    std::string archiveExtension;
    std::string unzippedFolder;
    std::string unzippedFileName;
    std::string unzippedExtension;
    std::string zipFolderText;     // "ZIPFILE:" + folder relative to the extraction folder

    // Converted-document columns (a Word or PDF document turned into text).
    std::string convertedFolder;
    std::string convertedFileName;
    std::string convertedExtension;
    std::string convertedFullPath;

    // The file the content scan reads: converted text, extracted copy or the file.
    std::string ReadPath() const {
        std::string built;
        return ReadPath(built);
    }
    // The same without a copy: only an extracted copy's path is built, in `built`.
    const std::string& ReadPath(std::string& built) const {
        if (!convertedFullPath.empty()) return convertedFullPath;
        if (!unzippedFolder.empty()) return built = JoinPath(unzippedFolder, unzippedFileName);
        return fullPath;
    }
};

}  // namespace qf
