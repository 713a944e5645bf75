#pragma once
// The log and working folders that a search empties. Quillfind deletes only
// what it created: every such folder carries a marker file holding a random
// token, and the application home records which token belongs to which
// folder. A folder is emptied only when its marker's token is recorded for
// that very folder, so a copied marker makes no other folder disposable.

#include <string>

namespace qf {

// The marker file inside every working folder Quillfind creates or adopts.
constexpr const char* kWorkingFolderMarker = ".quillfind-working-folder";
// The record of tokens, in the application home.
constexpr const char* kWorkingFolderRecord = "working-folders.tokens";

enum class EmptyFolderResult {
    Emptied,  // content removed (or the folder was empty and is adopted)
    Created,  // did not exist; created and marked
    Refused,  // holds files and no valid marker: untouched
    Failed,   // something could not be removed, created or recorded
};

// Empties a working or log folder, or creates it, and leaves it marked.
// Emptying never follows a link and never crosses into another mount.
EmptyFolderResult EmptyWorkingFolder(const std::string& folder, const std::string& appHome);

}  // namespace qf
