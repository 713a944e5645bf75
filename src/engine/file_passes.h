#pragma once
// "File passes": the size bound, the size rule and the three time rules, as
// applied to every listed file and every archive entry.

#include <ctime>

#include "platform/win_types.h"
#include "settings/options.h"

namespace qf {

// The times are UTC as a listing reports them; `now` is the run's clock.
bool FilePasses(const Options& options, const FILETIME& creation, const FILETIME& lastAccess,
                const FILETIME& lastWrite, uint64_t size, std::time_t now);

// True when the size rule or a time rule is on: a file's times and size
// then decide more than the 2 GiB bound.
bool SizeOrTimeRulesOn(const Options& options);

inline bool FilePasses(const Options& options, const WIN32_FIND_DATAA& data, std::time_t now) {
    return FilePasses(options, data.ftCreationTime, data.ftLastAccessTime, data.ftLastWriteTime, data.nFileSize, now);
}

}  // namespace qf
