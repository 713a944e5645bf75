#pragma once
// Text taken out of an Office, OpenDocument or RTF document by the program
// itself: one paragraph (or one spreadsheet row) a line, UTF-8, "\n" line ends.
//
// Every reader works only on what it is given and refuses what it cannot
// read safely: a damaged, truncated, encrypted or oversized document gives a
// refusal reason and no text.

#include <cstdint>
#include <string>
#include <string_view>

#include "documents/document_kind.h"

namespace qf {

// Bounds that keep a hostile document from taking the machine's memory or time.
struct DocumentLimits {
    uint64_t maxXmlBytes = uint64_t(256) << 20;  // XML inflated and parsed, all parts together
    uint64_t maxEntries = 10000;                  // entries of the ZIP package
    uint64_t maxRatio = 100;                      // inflated bytes per compressed byte of an entry
    // An entry that inflates to less than this is too small to be a bomb,
    // whatever its ratio: short, repetitive XML parts compress very well.
    uint64_t ratioFloor = uint64_t(1) << 20;
};

struct DocumentText {
    std::string text;     // the lines, each ended by "\n"; empty when refused
    std::string refusal;  // why the document was not read; empty on success

    bool Ok() const { return refusal.empty(); }
    static DocumentText Refused(std::string reason) { return DocumentText{{}, std::move(reason)}; }
};

// Reads the document at `path` as the given kind.
DocumentText ExtractDocumentFile(DocumentKind kind, const std::string& path, const DocumentLimits& limits = {});

// The same for a document held in memory (also the entry point of fuzzing).
DocumentText ExtractDocumentBytes(DocumentKind kind, std::string_view bytes, const DocumentLimits& limits = {});

}  // namespace qf
