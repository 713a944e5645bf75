// A document of one kind (QUILLFIND_DOCUMENT_KIND) as any bytes: read or
// refused, never more. Read text is UTF-8 in whole lines.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "documents/document_text.h"
#include "fuzz_support.h"

namespace {

bool IsValidUtf8(std::string_view s) {
    size_t i = 0;
    while (i < s.size()) {
        const unsigned char c = s[i];
        size_t n = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : 9;
        if (n == 9 || i + n >= s.size()) return false;
        char32_t cp = n == 0 ? c : c & (0x3F >> n);
        for (size_t k = 1; k <= n; ++k) {
            const unsigned char t = s[i + k];
            if ((t & 0xC0) != 0x80) return false;
            cp = cp << 6 | (t & 0x3F);
        }
        const char32_t least[] = {0, 0x80, 0x800, 0x10000};
        if (cp < least[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += n + 1;
    }
    return true;
}

}  // namespace

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
    qffuzz::Require(IsValidUtf8(text.text), "read text is UTF-8");
    return 0;
}
