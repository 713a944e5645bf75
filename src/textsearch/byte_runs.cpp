#include "textsearch/byte_runs.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "platform/case_fold.h"
#include "platform/case_folding.h"
#include "platform/utf8_text.h"

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define QF_HAVE_SSE2 1
#endif

namespace qf {
namespace {

constexpr uint64_t kOnes = 0x0101010101010101ull;
constexpr uint64_t kHigh = 0x8080808080808080ull;
constexpr uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Full;

uint64_t LowerWord(uint64_t x) {
    const uint64_t low = x & kLow7;
    const uint64_t atLeastA = low + (0x80 - 'A') * kOnes;
    const uint64_t aboveZ = low + (0x80 - 'Z' - 1) * kOnes;
    const uint64_t upper = (atLeastA ^ aboveZ) & ~x & kHigh;
    return x | (upper >> 2);
}

// Eight bytes a step, from `i` on; returns where it stopped.
size_t LowerWords(const char* in, char* out, size_t i, size_t n) {
    for (; i + 8 <= n; i += 8) {
        uint64_t w;
        std::memcpy(&w, in + i, 8);
        w = LowerWord(w);
        std::memcpy(out + i, &w, 8);
    }
    return i;
}

size_t LineFeedsInWords(const char* p, size_t& i, size_t n) {
    size_t count = 0;
    for (; i + 8 <= n; i += 8) {
        uint64_t w;
        std::memcpy(&w, p + i, 8);
        const uint64_t t = w ^ ('\n' * kOnes);
        const uint64_t zero = ~(((t & kLow7) + kLow7) | t | kLow7);  // 0x80 in each byte that was LF
        count += size_t((((zero >> 7) * kOnes) >> 56));  // summed into the top byte, no popcount needed
    }
    return count;
}

#ifdef QF_HAVE_SSE2

// Sixteen bytes with A-Z lowered. A byte is upper case when byte - 'A' is
// below 26 unsigned; SSE2 compares signed, so both sides are shifted by 128.
inline __m128i Lower16(__m128i x) {
    const __m128i shiftedA = _mm_set1_epi8(char('A' + 128));
    const __m128i letters = _mm_set1_epi8(char(26 - 128));
    const __m128i upper = _mm_cmplt_epi8(_mm_sub_epi8(x, shiftedA), letters);
    return _mm_or_si128(x, _mm_and_si128(upper, _mm_set1_epi8(0x20)));
}

size_t LowerBlocks(const char* in, char* out, size_t n) {
    size_t i = 0;
    for (; i + 16 <= n; i += 16) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), Lower16(x));
    }
    return i;
}

// The same, stopping before the first block that holds a byte above 0x7F.
size_t LowerAsciiBlocks(const char* in, char* out, size_t n) {
    size_t i = 0;
    for (; i + 16 <= n; i += 16) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
        if (_mm_movemask_epi8(x) != 0) break;
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), Lower16(x));
    }
    return i;
}

size_t LineFeedBlocks(const char* p, size_t& i, size_t n) {
    const __m128i lf = _mm_set1_epi8('\n');
    size_t count = 0;
    while (i + 16 <= n) {
        // Per-byte counters may take 255 steps before they are summed.
        __m128i counters = _mm_setzero_si128();
        for (int step = 0; step < 255 && i + 16 <= n; ++step, i += 16) {
            const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
            counters = _mm_sub_epi8(counters, _mm_cmpeq_epi8(x, lf));
        }
        const __m128i sums = _mm_sad_epu8(counters, _mm_setzero_si128());
        count += size_t(_mm_cvtsi128_si32(sums)) + size_t(_mm_cvtsi128_si32(_mm_srli_si128(sums, 8)));
    }
    return count;
}

#endif

}  // namespace

void LowerBytes(const char* in, char* out, size_t n) {
    size_t i = 0;
#ifdef QF_HAVE_SSE2
    i = LowerBlocks(in, out, n);
#endif
    i = LowerWords(in, out, i, n);
    for (; i < n; ++i) out[i] = AsciiLower(in[i]);
}

// Notes where a character sequence begins in text (ascending).
void FindSequence(const char* in, size_t n, std::string_view sequence, size_t base, std::vector<size_t>& at) {
    for (const char* p = in; (p = static_cast<const char*>(std::memchr(p, sequence[0], size_t(in + n - p))));) {
        if (std::string_view(p, size_t(in + n - p)).substr(0, sequence.size()) == sequence) at.push_back(base + size_t(p - in));
        ++p;
    }
}

void FoldUtf8Bytes(const char* in, char* out, size_t n, size_t base, std::vector<size_t>& changing, bool asciiOnly) {
    if (asciiOnly) {
        // Lowering A to Z leaves every byte above 0x7F as it is.
        LowerBytes(in, out, n);
        const size_t from = changing.size();
        FindSequence(in, n, "\xC5\xBF", base, changing);      // the long s
        FindSequence(in, n, "\xE2\x84\xAA", base, changing);  // the Kelvin sign
        std::sort(changing.begin() + std::ptrdiff_t(from), changing.end());
        return;
    }
    size_t i = 0;
    while (i < n) {
        i += LowerAsciiBytes(in + i, out + i, n - i);
        while (i < n && static_cast<unsigned char>(in[i]) >= 0x80) {
            const Utf8Char c = DecodeUtf8(std::string_view(in + i, n - i));
            const size_t length = c.length == 0 ? 1 : c.length;
            const char32_t folded = c.length == 0 ? c.codePoint : FoldCodePoint(c.codePoint);
            char bytes[kUtf8MaxBytes];
            if (folded != c.codePoint && WriteUtf8(folded, bytes) == length) {
                std::memcpy(out + i, bytes, length);
            } else {
                std::memcpy(out + i, in + i, length);
                if (folded != c.codePoint) changing.push_back(base + i);
            }
            i += length;
        }
    }
}

size_t LowerAsciiBytes(const char* in, char* out, size_t n) {
    size_t i = 0;
#ifdef QF_HAVE_SSE2
    i = LowerAsciiBlocks(in, out, n);
#endif
    for (; i + 8 <= n; i += 8) {
        uint64_t w;
        std::memcpy(&w, in + i, 8);
        if (w & kHigh) break;
        w = LowerWord(w);
        std::memcpy(out + i, &w, 8);
    }
    for (; i < n; ++i) {
        if (static_cast<unsigned char>(in[i]) >= 0x80) return i;
        out[i] = AsciiLower(in[i]);
    }
    return n;
}

size_t CountLineFeeds(const char* p, size_t n) {
    size_t i = 0;
    size_t count = 0;
#ifdef QF_HAVE_SSE2
    count += LineFeedBlocks(p, i, n);
#endif
    count += LineFeedsInWords(p, i, n);
    for (; i < n; ++i) count += p[i] == '\n';
    return count;
}

}  // namespace qf
