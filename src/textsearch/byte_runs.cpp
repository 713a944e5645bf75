#include "textsearch/byte_runs.h"

#include <cstdint>
#include <cstring>

#include "platform/case_fold.h"

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define QF_HAVE_SSE2 1
#endif

// Thirty-two bytes a step where the processor has AVX2, chosen when the
// program runs: the same build runs on processors without it.
#if defined(QF_HAVE_SSE2) && defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <immintrin.h>
#define QF_HAVE_AVX2 1
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

size_t LowerBlocks(const char* in, char* out, size_t n) {
    // A byte is upper case when byte - 'A' is below 26 unsigned; SSE2 compares
    // signed, so both sides are shifted by 128.
    const __m128i shiftedA = _mm_set1_epi8(char('A' + 128));
    const __m128i letters = _mm_set1_epi8(char(26 - 128));
    const __m128i caseBit = _mm_set1_epi8(0x20);
    size_t i = 0;
    for (; i + 16 <= n; i += 16) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
        const __m128i upper = _mm_cmplt_epi8(_mm_sub_epi8(x, shiftedA), letters);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_or_si128(x, _mm_and_si128(upper, caseBit)));
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

#ifdef QF_HAVE_AVX2

__attribute__((target("avx2"))) size_t LineFeedBlocksAvx2(const char* p, size_t& i, size_t n) {
    const __m256i lf = _mm256_set1_epi8('\n');
    size_t count = 0;
    while (i + 32 <= n) {
        __m256i counters = _mm256_setzero_si256();
        for (int step = 0; step < 255 && i + 32 <= n; ++step, i += 32) {
            const __m256i x = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + i));
            counters = _mm256_sub_epi8(counters, _mm256_cmpeq_epi8(x, lf));
        }
        const __m256i sums = _mm256_sad_epu8(counters, _mm256_setzero_si256());
        count += size_t(_mm256_extract_epi64(sums, 0)) + size_t(_mm256_extract_epi64(sums, 1)) +
                 size_t(_mm256_extract_epi64(sums, 2)) + size_t(_mm256_extract_epi64(sums, 3));
    }
    return count;
}

__attribute__((target("avx2"))) const char* EitherByteAvx2(const char* p, size_t& i, size_t n, char a, char b) {
    const __m256i va = _mm256_set1_epi8(a);
    const __m256i vb = _mm256_set1_epi8(b);
    for (; i + 32 <= n; i += 32) {
        const __m256i x = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + i));
        const unsigned mask =
            unsigned(_mm256_movemask_epi8(_mm256_or_si256(_mm256_cmpeq_epi8(x, va), _mm256_cmpeq_epi8(x, vb))));
        if (mask != 0) return p + i + size_t(__builtin_ctz(mask));
    }
    return nullptr;
}

bool HaveAvx2() {
    static const bool have = __builtin_cpu_supports("avx2");
    return have;
}

#endif

#ifdef QF_HAVE_SSE2

const char* EitherByteSse2(const char* p, size_t& i, size_t n, char a, char b) {
    const __m128i va = _mm_set1_epi8(a);
    const __m128i vb = _mm_set1_epi8(b);
    for (; i + 16 <= n; i += 16) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
        const int mask = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(x, va), _mm_cmpeq_epi8(x, vb)));
        if (mask != 0) {
            size_t first = 0;
            while (!(mask & (1 << first))) ++first;
            return p + i + first;
        }
    }
    return nullptr;
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

size_t CountLineFeeds(const char* p, size_t n) {
    size_t i = 0;
    size_t count = 0;
#ifdef QF_HAVE_AVX2
    if (HaveAvx2()) count += LineFeedBlocksAvx2(p, i, n);
#endif
#ifdef QF_HAVE_SSE2
    count += LineFeedBlocks(p, i, n);
#endif
    count += LineFeedsInWords(p, i, n);
    for (; i < n; ++i) count += p[i] == '\n';
    return count;
}

const char* FindEitherByte(const char* p, size_t n, char a, char b) {
    if (a == b) return static_cast<const char*>(std::memchr(p, a, n));
    size_t i = 0;
    const char* found = nullptr;
#ifdef QF_HAVE_AVX2
    if (HaveAvx2()) found = EitherByteAvx2(p, i, n, a, b);
    if (found) return found;
#endif
#ifdef QF_HAVE_SSE2
    found = EitherByteSse2(p, i, n, a, b);
    if (found) return found;
#endif
    for (; i < n; ++i)
        if (p[i] == a || p[i] == b) return p + i;
    return nullptr;
}

}  // namespace qf
