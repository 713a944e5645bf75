#pragma once
// The chosen folders as the command line checks them: one that does not exist,
// is no folder or cannot be read is named on stderr, and the exit status says so.

#include <string>
#include <vector>

#include "cli/stderr_writer.h"
#include "settings/options.h"

namespace qf::cli {

struct FolderCheck {
    size_t chosen = 0;    // folders of DIRECTORIS
    size_t missing = 0;   // of them: not there, or not a folder
    bool NoneLeft() const { return chosen > 0 && missing == chosen; }
};

// Tells each chosen folder that is missing or no folder: "cannot search PATH: reason".
FolderCheck CheckChosenFolders(const Options& options, StderrWriter& writer);

// True when one of the unreadable paths the run told is a chosen folder.
bool ChosenFolderUnreadable(const Options& options, const std::vector<std::string>& unreadable);

}  // namespace qf::cli
