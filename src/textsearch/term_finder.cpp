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

bool EqualCaseless(const char* text, std::string_view lowerNeedle) {
    for (size_t i = 0; i < lowerNeedle.size(); ++i)
        if (AsciiLower(text[i]) != lowerNeedle[i]) return false;
    return true;
}

}  // namespace

TermFinder::TermFinder(std::string needle) : needle_(std::move(needle)) {
    const auto rarer = [this](size_t a, size_t b) {
        return Commonness(static_cast<unsigned char>(needle_[a])) < Commonness(static_cast<unsigned char>(needle_[b]));
    };
    for (size_t i = 1; i < needle_.size(); ++i)
        if (rarer(i, rare_)) rare_ = i;
    // The second byte looked at: the rarest of the others, another byte
    // value where there is one, so that the two together seldom match.
    second_ = rare_ == 0 && needle_.size() > 1 ? 1 : 0;
    const auto better = [&](size_t i) {
        const bool differs = needle_[i] != needle_[rare_];
        const bool secondDiffers = needle_[second_] != needle_[rare_];
        return differs != secondDiffers ? differs : rarer(i, second_);
    };
    for (size_t i = 0; i < needle_.size(); ++i)
        if (i != rare_ && better(i)) second_ = i;
}

size_t TermFinder::Find(std::string_view text, size_t from) const { return Search(text, from, false); }

size_t TermFinder::FindCaseless(std::string_view text, size_t from) const { return Search(text, from, true); }

size_t TermFinder::Search(std::string_view text, size_t from, bool anyCase) const {
    const size_t n = needle_.size();
    if (from > text.size() || n > text.size() - from) return n == 0 && from <= text.size() ? from : std::string_view::npos;
    if (n == 0) return from;
    const char* data = text.data();
    const size_t last = text.size() - n;  // the last place a match may start
    // A needle of one byte has it twice, at the same place.
    const NeedleByte a{rare_, needle_[rare_]};
    const NeedleByte b{second_, needle_[second_]};
    for (size_t s = from; s <= last; ++s) {
        s = FindBytePair(data, s, last, a, b, anyCase);
        if (s > last) break;
        if (anyCase ? EqualCaseless(data + s, needle_) : std::memcmp(data + s, needle_.data(), n) == 0) return s;
    }
    return std::string_view::npos;
}

}  // namespace qf
