#pragma once
// The archive columns of a file listed in an archive folder.

#include <string>
#include <vector>

#include "engine/folder_struct.h"
#include "platform/win_types.h"
#include "results/selected_file.h"

namespace qf {

// Archive texts are cut to this many characters.
constexpr size_t kMaxArchiveColumn = 250;

// Fills the archive columns of `entry` (a file or subfolder listed in
// `folder`, an archive folder) from the marker beside its extraction folder:
// the first line is the archive folder, the further lines joined the archive
// name. Without a marker the archive's own folder and name are used. The
// folder text becomes "ZIPFILE:" and the folder below the extraction folder.
void FillArchiveColumns(const _Folder_Struct& folder, tagSelectedFileFolderStruct& entry);

// The same, keeping the last marker read, as the files of one archive folder
// come one after another. A marker rewritten since (a later search reusing
// the folder number) is read again.
class ArchiveColumnFiller {
public:
    void Fill(const _Folder_Struct& folder, tagSelectedFileFolderStruct& entry);

private:
    std::string markerPath_;
    WIN32_FIND_DATAA markerData_;
    std::vector<std::string> markerLines_;
};

}  // namespace qf
