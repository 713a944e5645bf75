#pragma once
// The times of an archive entry: from the NTFS extra field (all three), else
// the extended timestamp field (modification, with access and creation when
// present), else the DOS date and time, which are local time.

#include <cstdint>
#include <string_view>

#include "platform/win_types.h"

namespace qf {

struct EntryTimes {
    FILETIME creation;
    FILETIME lastAccess;
    FILETIME lastWrite;
};

// The DOS fields as the archive holds them (local time).
struct DosDateTime {
    int year = 1980, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

// UTC times of an entry from its central extra field and DOS date; a time
// the archive does not hold is the modification time.
EntryTimes ReadEntryTimes(std::string_view extraField, const DosDateTime& dos);

}  // namespace qf
