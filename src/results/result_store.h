#pragma once
// The per-file results store: every file the last search found, by full path.

#include <cstdint>
#include <map>
#include <string>

#include "platform/win_types.h"
#include "results/hit_types.h"
#include "results/selected_file.h"

namespace qf {

struct tagFileStrukt {
    std::string reserved1;
    std::string reserved2;
    int32_t resultKind = 0;
    // The selected-file entry's texts: folder first, full path second.
    std::string folderPath;
    std::string fullPath;
    std::string fileName;
    std::string extension;
    std::string archiveFolder;
    std::string archiveFileName;
    std::string archiveExtension;
    std::string unzippedFolder;
    std::string unzippedFileName;
    std::string unzippedExtension;
    std::string zipFolderText;
    std::string convertedFolder;
    std::string convertedFileName;
    std::string convertedExtension;
    std::string convertedFullPath;
    std::string spareText;
    int32_t entryValue = 0;
    WIN32_FIND_DATAA findData;
    MAP_LINES_WITH_HITS lines;  // content: hit lines; name: the name as line 1; whole file: empty
    int32_t spareValue = 0;
};

// Ascending by full path; equal keys keep their insertion order.
using FileResultsStore = std::multimap<std::string, tagFileStrukt>;

tagFileStrukt MakeFileEntry(const tagSelectedFileFolderStruct& entry, int kind, MAP_LINES_WITH_HITS lines);

}  // namespace qf
