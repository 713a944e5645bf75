#pragma once
// Where smart copy puts a file: the three destination layouts.

#include <string>
#include <string_view>

namespace qf {

enum class CopyLayout {
    OneFolder,    // "Into one Folder ": the destination itself
    TypeFolders,  // "Into separate Folders (File Type)": destination/type[-category]
    FolderTree,   // "Into one folder with full folder struct": destination/D-Disc[-category-]rest
};

// The extension as written in the name, or "noext" when it has none.
std::string CopyTypeOfName(std::string_view name);

// The drive letter D and the rest of a folder path: a Windows path splits
// after its first ":"; a POSIX path has no drive, and its rest is the whole
// path (so that different folders never meet in one).
void SplitDrive(std::string_view folder, std::string& drive, std::string& rest);

// The folder that receives the source file; `category` is empty for result
// files, "Word Converted" or "Pdf Converted" for converted texts.
std::string CopyTargetFolder(const std::string& root, const std::string& sourcePath, const std::string& category,
                             CopyLayout layout);

}  // namespace qf
