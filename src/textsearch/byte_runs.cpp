#include "textsearch/byte_runs.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "platform/case_fold.h"
#include "platform/case_folding.h"
#include "platform/utf8_text.h"
#include "platform/wide_bytes.h"

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define QF_HAVE_SSE2 1
#endif

namespace qf {
namespace {

// What is set in a text byte before it is compared with a needle byte:
// bit 5 makes an upper-case letter its lower-case form, and no other byte
// that letter, so a lower-case letter looked for in any case gets it.
char CaseBit(char byte, bool anyCase) { return anyCase && byte >= 'a' && byte <= 'z' ? char(0x20) : char(0); }

bool Like(char c, char want, bool anyCase) { return char(c | CaseBit(want, anyCase)) == want; }

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

inline __m128i Load16(const char* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }

// Line feeds counted sixty-four bytes a step into four sets of per-byte
// counters, so that no step waits for the one before.
size_t LineFeedBlocks(const char* p, size_t& i, size_t n) {
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i zero = _mm_setzero_si128();
    const auto count = [&](__m128i counters, size_t at) { return _mm_sub_epi8(counters, _mm_cmpeq_epi8(Load16(p + at), lf)); };
    size_t total = 0;
    while (i + 64 <= n) {
        // Per-byte counters may take 255 steps before they are summed.
        __m128i c0 = zero, c1 = zero, c2 = zero, c3 = zero;
        for (int step = 0; step < 255 && i + 64 <= n; ++step, i += 64) {
            c0 = count(c0, i);
            c1 = count(c1, i + 16);
            c2 = count(c2, i + 32);
            c3 = count(c3, i + 48);
        }
        const __m128i sums = _mm_add_epi64(_mm_add_epi64(_mm_sad_epu8(c0, zero), _mm_sad_epu8(c1, zero)),
                                           _mm_add_epi64(_mm_sad_epu8(c2, zero), _mm_sad_epu8(c3, zero)));
        total += size_t(_mm_cvtsi128_si32(sums)) + size_t(_mm_cvtsi128_si32(_mm_srli_si128(sums, 8)));
    }
    return total;
}

// Sixteen bytes compared with a needle byte, as Like does.
struct ByteTest {
    ByteTest(char byte, bool anyCase) : want(_mm_set1_epi8(byte)), caseBit(_mm_set1_epi8(CaseBit(byte, anyCase))) {}
    __m128i operator()(const char* p) const { return _mm_cmpeq_epi8(_mm_or_si128(Load16(p), caseBit), want); }
    __m128i want;
    __m128i caseBit;
};

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
        NoteAsciiFoldingChars(in, n, base, changing);
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
    if (wide::Available()) i = wide::LowerAsciiSteps(in, out, n);
#ifdef QF_HAVE_SSE2
    i += LowerAsciiBlocks(in + i, out + i, n - i);
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

void NoteAsciiFoldingChars(const char* in, size_t n, size_t base, std::vector<size_t>& changing) {
    const size_t from = changing.size();
    FindSequence(in, n, "\xC5\xBF", base, changing);      // the long s
    FindSequence(in, n, "\xE2\x84\xAA", base, changing);  // the Kelvin sign
    std::sort(changing.begin() + std::ptrdiff_t(from), changing.end());
}

size_t FindBytePair(const char* text, size_t from, size_t last, NeedleByte a, NeedleByte b, bool anyCase) {
    size_t s = from;
    if (wide::Available())
        s = wide::BytePairSteps(text, s, last, a.at, a.byte, CaseBit(a.byte, anyCase), b.at, b.byte,
                                CaseBit(b.byte, anyCase));
#ifdef QF_HAVE_SSE2
    const ByteTest testA(a.byte, anyCase);
    const ByteTest testB(b.byte, anyCase);
    const auto mask = [&](size_t at) {
        return uint32_t(_mm_movemask_epi8(_mm_and_si128(testA(text + at + a.at), testB(text + at + b.at))));
    };
    for (; s + 32 <= last + 1; s += 32) {
        const uint32_t m = mask(s) | mask(s + 16) << 16;
        if (m != 0) return s + size_t(std::countr_zero(m));
    }
#endif
    for (; s <= last; ++s)
        if (Like(text[s + a.at], a.byte, anyCase) && Like(text[s + b.at], b.byte, anyCase)) return s;
    return last + 1;
}

size_t CountLineFeeds(const char* p, size_t n) {
    size_t i = 0;
    size_t count = 0;
    if (wide::Available()) count += wide::LineFeedSteps(p, i, n);
#ifdef QF_HAVE_SSE2
    count += LineFeedBlocks(p, i, n);
#endif
    count += LineFeedsInWords(p, i, n);
    for (; i < n; ++i) count += p[i] == '\n';
    return count;
}

}  // namespace qf
