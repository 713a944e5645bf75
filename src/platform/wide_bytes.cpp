#include "platform/wide_bytes.h"

#include <atomic>
#include <bit>
#include <cstdint>

#if (defined(__GNUC__) || defined(__clang__)) && (defined(__x86_64__) || defined(__i386__))
#define QF_WIDE_BYTES 1
#include <immintrin.h>
#endif

namespace qf::wide {

#ifdef QF_WIDE_BYTES

namespace {

#define QF_AVX2 __attribute__((target("avx2")))

QF_AVX2 inline __m256i Load(const char* p) { return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)); }

QF_AVX2 inline uint32_t Mask(__m256i x) { return uint32_t(_mm256_movemask_epi8(x)); }

bool DetectAvx2() {
    __builtin_cpu_init();  // may run before the run-time library's own start-up code
    return __builtin_cpu_supports("avx2");
}
const bool kProcessorHasAvx2 = DetectAvx2();
std::atomic<bool> enabled{true};

}  // namespace

bool Available() { return kProcessorHasAvx2 && enabled.load(std::memory_order_relaxed); }

void SetEnabled(bool on) { enabled.store(on, std::memory_order_relaxed); }

QF_AVX2 size_t AsciiSteps(const char* p, size_t n) {
    size_t i = 0;
    for (; i + 128 <= n; i += 128) {
        const __m256i x = _mm256_or_si256(_mm256_or_si256(Load(p + i), Load(p + i + 32)),
                                          _mm256_or_si256(Load(p + i + 64), Load(p + i + 96)));
        if (Mask(x) != 0) break;
    }
    for (; i + 32 <= n; i += 32)
        if (Mask(Load(p + i)) != 0) break;
    return i;
}

QF_AVX2 size_t LineFeedSteps(const char* p, size_t& i, size_t n) {
    const __m256i lf = _mm256_set1_epi8('\n');
    const __m256i zero = _mm256_setzero_si256();
    size_t total = 0;
    while (i + 64 <= n) {
        // Per-byte counters may take 255 steps before they are summed.
        __m256i c0 = zero, c1 = zero;
        for (int step = 0; step < 255 && i + 64 <= n; ++step, i += 64) {
            c0 = _mm256_sub_epi8(c0, _mm256_cmpeq_epi8(Load(p + i), lf));
            c1 = _mm256_sub_epi8(c1, _mm256_cmpeq_epi8(Load(p + i + 32), lf));
        }
        const __m256i sums = _mm256_add_epi64(_mm256_sad_epu8(c0, zero), _mm256_sad_epu8(c1, zero));
        total += size_t(_mm256_extract_epi64(sums, 0) + _mm256_extract_epi64(sums, 1) +
                        _mm256_extract_epi64(sums, 2) + _mm256_extract_epi64(sums, 3));
    }
    return total;
}

QF_AVX2 size_t LowerAsciiSteps(const char* in, char* out, size_t n) {
    // A byte is upper case when byte - 'A' is below 26 unsigned; the
    // comparison is signed, so both sides are shifted by 128.
    const __m256i shiftedA = _mm256_set1_epi8(char('A' + 128));
    const __m256i letters = _mm256_set1_epi8(char(26 - 128));
    const __m256i caseBit = _mm256_set1_epi8(0x20);
    size_t i = 0;
    for (; i + 32 <= n; i += 32) {
        const __m256i x = Load(in + i);
        if (Mask(x) != 0) break;
        const __m256i upper = _mm256_cmpgt_epi8(letters, _mm256_sub_epi8(x, shiftedA));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i), _mm256_or_si256(x, _mm256_and_si256(upper, caseBit)));
    }
    return i;
}

QF_AVX2 size_t BytePairSteps(const char* text, size_t from, size_t last, size_t atA, char byteA, char caseBitA,
                             size_t atB, char byteB, char caseBitB) {
    const __m256i wantA = _mm256_set1_epi8(byteA);
    const __m256i wantB = _mm256_set1_epi8(byteB);
    const __m256i bitA = _mm256_set1_epi8(caseBitA);
    const __m256i bitB = _mm256_set1_epi8(caseBitB);
    const auto mask = [&](size_t s) QF_AVX2 {
        const __m256i a = _mm256_cmpeq_epi8(_mm256_or_si256(Load(text + s + atA), bitA), wantA);
        const __m256i b = _mm256_cmpeq_epi8(_mm256_or_si256(Load(text + s + atB), bitB), wantB);
        return Mask(_mm256_and_si256(a, b));
    };
    size_t s = from;
    for (; s + 64 <= last + 1; s += 64) {
        const uint64_t m = uint64_t(mask(s)) | uint64_t(mask(s + 32)) << 32;
        if (m != 0) return s + size_t(std::countr_zero(m));
    }
    for (; s + 32 <= last + 1; s += 32) {
        const uint32_t m = mask(s);
        if (m != 0) return s + size_t(std::countr_zero(m));
    }
    return s;
}

#else

bool Available() { return false; }
void SetEnabled(bool) {}
size_t AsciiSteps(const char*, size_t) { return 0; }
size_t LineFeedSteps(const char*, size_t&, size_t) { return 0; }
size_t LowerAsciiSteps(const char*, char*, size_t) { return 0; }
size_t BytePairSteps(const char*, size_t from, size_t, size_t, char, char, size_t, char, char) { return from; }

#endif

}  // namespace qf::wide
