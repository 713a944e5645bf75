#pragma once
// The ZIP container of an Office Open XML or OpenDocument file, opened from
// a file or from memory. Opening checks every entry before anything is
// inflated; reading a part streams it through the XML parser and stops at
// the first sign of a bomb. Nothing is ever written to disk.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include <unzip.h>

#include "documents/document_text.h"
#include "documents/xml_stream.h"
#include "documents/zip_memory_io.h"

namespace qf {

class ZipPackage {
public:
    explicit ZipPackage(const DocumentLimits& limits) : limits_(limits) {}
    ~ZipPackage();
    ZipPackage(const ZipPackage&) = delete;
    ZipPackage& operator=(const ZipPackage&) = delete;

    // False, with the reason in Refusal(), for a file that is not a ZIP
    // archive or holds too many, encrypted or unsafely named entries.
    bool OpenFile(const std::string& path);
    bool OpenBytes(std::string_view bytes);

    // Part names compare without regard to ASCII case, as the formats ask.
    bool Has(std::string_view partName) const;
    // Has, or false with a refusal naming the missing part.
    bool Require(std::string_view partName);

    // Inflates the part into `handler` through the XML parser. False, with
    // the reason in Refusal(), for a missing or damaged part, an XML error,
    // a bomb, or a handler that stopped (then `handlerReason` is the reason).
    bool ParsePart(std::string_view partName, XmlHandler& handler, std::string_view handlerReason);

    const std::string& Refusal() const { return refusal_; }

private:
    bool Open(const void* path, zlib_filefunc64_def* functions);
    bool CheckEntries();
    bool CheckEntry(const unz_file_info64& info, const std::string& name);
    bool Refuse(std::string reason);
    bool Inflate(const std::string& partName, uint64_t compressedSize, XmlStream& parser);

    DocumentLimits limits_;
    MemoryZipStream memory_;
    unzFile zip_ = nullptr;
    std::map<std::string, unz64_file_pos> entries_;  // lower-case name -> position
    uint64_t xmlBytes_ = 0;                          // inflated so far, all parts
    std::vector<char> buffer_;                       // one inflate buffer for every part
    std::string refusal_;
};

}  // namespace qf
