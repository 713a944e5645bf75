#pragma once
// A plain substring search prepared once per term: the scan looks for the
// same few terms in every line of every file.

#include <cstddef>
#include <string>
#include <string_view>

namespace qf {

class TermFinder {
public:
    explicit TermFinder(std::string needle);

    const std::string& Needle() const { return needle_; }
    // First occurrence at or after from, or npos. An empty needle is found at from.
    size_t Find(std::string_view text, size_t from = 0) const;
    // The same in text that is not folded: an ASCII letter of the needle (a
    // folded term) matches in either case, so the text need not be folded first.
    size_t FindAnyCase(std::string_view text, size_t from = 0) const;

private:
    std::string needle_;
    size_t rare_ = 0;  // the needle byte least likely in text: what memchr looks for
};

}  // namespace qf
