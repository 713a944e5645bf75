#pragma once
// minizip's file functions over a block of memory, so that a document held
// in memory is read by the same unzip code as one on disk.

#include <cstdint>
#include <string_view>

#include <ioapi.h>

namespace qf {

struct MemoryZipStream {
    std::string_view bytes;
    uint64_t position = 0;
};

// Functions that read `stream` (which must outlive the open archive); pass
// the stream's address as the archive "path" to unzOpen2_64.
zlib_filefunc64_def MemoryZipFunctions(MemoryZipStream& stream);

}  // namespace qf
