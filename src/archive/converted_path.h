#pragma once
// Where the text of a converted document goes: one tree per working folder,
// "<drive letter>-Disc" and then the document's own folder path, so that
// documents in different folders never share a text file.

#include <string>
#include <string_view>

namespace qf {

constexpr const char* kWordTree = "Converted_WORD_docs";
constexpr const char* kPdfTree = "Converted PDF docs";
constexpr const char* kOfficeTree = "Converted Office docs";

struct DriveAndRest {
    std::string drive;  // the text before the first ":" ("" without one)
    std::string rest;   // the text after it (the whole path without one)
};

// A path from the root (POSIX) has no drive and keeps all, whatever ":" it
// holds; any other path with ":" splits at the first one.
DriveAndRest SplitDrive(std::string_view path);

// <workFolder>/<tree>/<letter>-Disc<rest of documentFolder>; "." and ".."
// parts of the rest are resolved so that the folder stays inside the tree.
std::string ConvertedFolder(const std::string& workFolder, std::string_view tree, const std::string& documentFolder);

// The text file: the document's whole name with ".txt" appended.
std::string ConvertedFile(const std::string& convertedFolder, const std::string& documentPath);

}  // namespace qf
