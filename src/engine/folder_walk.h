#pragma once
// The walk into subfolders: depth first, pre-order, siblings in listing order,
// and never into a folder that is already on the path from the start.

#include <functional>
#include <vector>

#include "engine/folder_struct.h"
#include "platform/folder_listing.h"

namespace qf {

// Puts the enterable subfolders of `folder` (from its listing) at the front of
// the queue, the first listed first. Subfolders of an archive folder stay
// archive folders. `stop` is polled after every entry and ends the walk.
void QueueSubfolders(FOLDER_QUEUE& queue, const _Folder_Struct& folder, const std::vector<FolderEntry>& listing,
                     const std::function<bool()>& stop);

// Gives the folder its identity chain when it has none (a starting folder);
// false when the folder cannot be identified.
bool EnsureAncestry(_Folder_Struct& folder);

}  // namespace qf
