#pragma once
// How the search run judges archive entries: its folder, type, date, time,
// size and TERM rules, applied to the entry's name, times and declared size.

#include <string>

#include "platform/win_types.h"
#include "results/selected_file.h"

namespace qf {

class ArchiveEntryFilter {
public:
    virtual ~ArchiveEntryFilter() = default;

    // A folder entry, by its name as stored ("a/b/").
    virtual bool AcceptFolderEntry(const std::string& name) = 0;

    // A file entry that is not itself an archive: `folderPart` is the stored
    // name up to its last "/" ("" at the top), `entryData` holds the entry's
    // times and declared size.
    virtual bool AcceptFileEntry(const std::string& folderPart, const std::string& fileName,
                                 const WIN32_FIND_DATAA& entryData) = 0;

    // With the folder-name search on: a folder entry now on disk, with its
    // archive columns filled, to be matched as a folder name.
    virtual void FolderEntryExtracted(const tagSelectedFileFolderStruct& /*folder*/) {}
};

}  // namespace qf
