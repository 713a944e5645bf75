#include "results/result_store.h"

namespace qf {

tagFileStrukt MakeFileEntry(const tagSelectedFileFolderStruct& entry, int kind, MAP_LINES_WITH_HITS lines) {
    tagFileStrukt f;
    f.resultKind = kind;
    f.folderPath = entry.folderPath;
    f.fullPath = entry.fullPath;
    f.fileName = entry.fileName;
    f.extension = entry.extension;
    f.archiveFolder = entry.archiveFolder;
    f.archiveFileName = entry.archiveFileName;
    f.archiveExtension = entry.archiveExtension;
    f.unzippedFolder = entry.unzippedFolder;
    f.unzippedFileName = entry.unzippedFileName;
    f.unzippedExtension = entry.unzippedExtension;
    f.zipFolderText = entry.zipFolderText;
    f.convertedFolder = entry.convertedFolder;
    f.convertedFileName = entry.convertedFileName;
    f.convertedExtension = entry.convertedExtension;
    f.convertedFullPath = entry.convertedFullPath;
    f.findData = entry.findData;
    f.lines = std::move(lines);
    return f;
}

}  // namespace qf
