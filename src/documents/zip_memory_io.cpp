#include "documents/zip_memory_io.h"

#include <algorithm>
#include <cstring>

namespace qf {
namespace {

MemoryZipStream& Stream(voidpf stream) { return *static_cast<MemoryZipStream*>(stream); }

voidpf ZCALLBACK Open(voidpf opaque, const void*, int mode) {
    // Read only: a request to write finds nothing to open.
    if ((mode & ZLIB_FILEFUNC_MODE_READWRITEFILTER) != ZLIB_FILEFUNC_MODE_READ) return nullptr;
    Stream(opaque).position = 0;
    return opaque;
}

uLong ZCALLBACK Read(voidpf, voidpf stream, void* buffer, uLong size) {
    MemoryZipStream& s = Stream(stream);
    if (s.position >= s.bytes.size()) return 0;
    const uint64_t count = std::min<uint64_t>(size, s.bytes.size() - s.position);
    std::memcpy(buffer, s.bytes.data() + s.position, size_t(count));
    s.position += count;
    return uLong(count);
}

uLong ZCALLBACK Write(voidpf, voidpf, const void*, uLong) { return 0; }

ZPOS64_T ZCALLBACK Tell(voidpf, voidpf stream) { return Stream(stream).position; }

long ZCALLBACK Seek(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
    MemoryZipStream& s = Stream(stream);
    uint64_t base = 0;
    switch (origin) {
        case ZLIB_FILEFUNC_SEEK_SET: base = 0; break;
        case ZLIB_FILEFUNC_SEEK_CUR: base = s.position; break;
        case ZLIB_FILEFUNC_SEEK_END: base = s.bytes.size(); break;
        default: return -1;
    }
    if (offset > s.bytes.size() || base > s.bytes.size() - offset) return -1;
    s.position = base + offset;
    return 0;
}

int ZCALLBACK Close(voidpf, voidpf) { return 0; }
int ZCALLBACK Error(voidpf, voidpf) { return 0; }

}  // namespace

zlib_filefunc64_def MemoryZipFunctions(MemoryZipStream& stream) {
    zlib_filefunc64_def functions{};
    functions.zopen64_file = &Open;
    functions.zread_file = &Read;
    functions.zwrite_file = &Write;
    functions.ztell64_file = &Tell;
    functions.zseek64_file = &Seek;
    functions.zclose_file = &Close;
    functions.zerror_file = &Error;
    functions.opaque = &stream;
    return functions;
}

}  // namespace qf
