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

// Gives a folder about to be walked its identity chain, from its open
// handle (or its path, when it cannot be read). False when it cannot be
// identified, or is a subfolder that must not be walked: one the walk is
// already in (a link loop), or one on a pseudo file system reached from
// outside it (or the other way round). Such a subfolder is passed over
// as if it had never been listed.
bool IdentifyFolder(_Folder_Struct& folder, const FolderHandle& handle, bool& refused);

}  // namespace qf
