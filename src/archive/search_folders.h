#pragma once
// The folders a search writes into, prepared by the Search command before
// the run starts: the log folder <home>/Temp and the unzip, Word and PDF
// working folders, and the Office working folder when Office documents are read.

#include <string>

#include "platform/user_messages.h"
#include "settings/options.h"

namespace qf {

struct SearchFolders {
    std::string logFolder;
    std::string zipWorkFolder;
    std::string wordWorkFolder;
    std::string pdfWorkFolder;
    std::string officeWorkFolder;  // OFFWRKDIR or its default
};

// The folders a search uses, without trailing separators: the options'
// working folders, or their defaults below <home>/Temp when unset.
SearchFolders SearchFoldersOf(const Options& options, const std::string& appHome);

// Sets each unset working folder option to its default, then empties and
// creates the log folder and the three working folders in this order, and
// last the Office working folder when CONVOFFICE is on. A folder that may not
// be emptied (it holds files and is not one Quillfind made or adopted for this
// home) or cannot be made stops here with a message naming it: false, no
// search. No answer of the user overrides that.
bool PrepareSearchFolders(Options& options, const std::string& appHome, UserMessages& messages);

}  // namespace qf
