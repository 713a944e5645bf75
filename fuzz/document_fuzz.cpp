// A document of one kind (QUILLFIND_DOCUMENT_KIND) as any bytes: read or
// refused, never more. Read text is UTF-8 in whole lines.

#include <cstddef>
#include <cstdint>

#include "documents/document_text.h"
#include "fuzz_support.h"
#include "reference_decoding.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Smaller bounds than the program's: the same refusals, reached sooner.
    qf::DocumentLimits limits;
    limits.maxXmlBytes = 8u << 20;
    limits.ratioFloor = 256u << 10;
    const qf::DocumentText text = qf::ExtractDocumentBytes(qf::DocumentKind::QUILLFIND_DOCUMENT_KIND,
                                                           {reinterpret_cast<const char*>(data), size}, limits);
    if (!text.Ok()) {
        qffuzz::Require(text.text.empty(), "a refused document gives no text");
        return 0;
    }
    qffuzz::Require(text.text.empty() || text.text.back() == '\n', "read text ends with a whole line");
    qffuzz::Require(qffuzz::WellFormedUtf8(text.text), "read text is UTF-8");
    return 0;
}
