#include "textsearch/term_finder.h"

#include <cstring>

#include "platform/case_fold.h"
#include "textsearch/byte_runs.h"

namespace qf {
namespace {

// How common a byte is in ordinary text, roughly: memchr stops least often
// on the rarest byte of a term, and then a whole comparison settles it.
int Commonness(unsigned char c) {
    constexpr std::string_view kByFrequency = " etaoinsrhldcumfpgwybvkxjqz";
    const size_t i = kByFrequency.find(char(c));
    if (i != std::string_view::npos) return int(100 - i);
    if (c == '_') return 90;  // joins words in every kind of source code
    if (c >= '0' && c <= '9') return 60;
    if (c == '.' || c == ',' || c == '\t' || c == '-') return 65;
    if (c >= 'A' && c <= 'Z') return 40;
    return 10;
}

}  // namespace

TermFinder::TermFinder(std::string needle) : needle_(std::move(needle)) {
    for (size_t i = 1; i < needle_.size(); ++i)
        if (Commonness(static_cast<unsigned char>(needle_[i])) < Commonness(static_cast<unsigned char>(needle_[rare_])))
            rare_ = i;
}

size_t TermFinder::Find(std::string_view text, size_t from) const {
    const size_t n = needle_.size();
    if (from > text.size() || n > text.size() - from) return n == 0 && from <= text.size() ? from : std::string_view::npos;
    if (n <= 1) return text.find(needle_, from);
    const char* data = text.data();
    const char rareByte = needle_[rare_];
    size_t at = from + rare_;                 // where the rare byte of a match at `from` would be
    const size_t last = text.size() - n + rare_;  // the last such place
    while (at <= last) {
        const void* p = std::memchr(data + at, rareByte, last - at + 1);
        if (!p) return std::string_view::npos;
        const size_t start = size_t(static_cast<const char*>(p) - data) - rare_;
        // The last byte first: a cheap refusal of most candidates.
        if (data[start + n - 1] == needle_[n - 1] && std::memcmp(data + start, needle_.data(), n) == 0) return start;
        at = start + rare_ + 1;
    }
    return std::string_view::npos;
}

size_t TermFinder::FindAnyCase(std::string_view text, size_t from) const {
    const size_t n = needle_.size();
    if (from > text.size() || n > text.size() - from)
        return n == 0 && from <= text.size() ? from : std::string_view::npos;
    if (n == 0) return from;
    const char* data = text.data();
    const char rareByte = needle_[rare_];
    const char otherCase = AsciiUpper(rareByte);
    size_t at = from + rare_;
    const size_t last = text.size() - n + rare_;
    while (at <= last) {
        const char* p = FindEitherByte(data + at, last - at + 1, rareByte, otherCase);
        if (!p) return std::string_view::npos;
        const size_t start = size_t(p - data) - rare_;
        size_t i = n - 1;  // the last byte first, as above
        if (AsciiLower(data[start + i]) == needle_[i])
            for (i = 0; i < n && AsciiLower(data[start + i]) == needle_[i]; ++i) {
            }
        if (i == n) return start;
        at = start + rare_ + 1;
    }
    return std::string_view::npos;
}

}  // namespace qf
