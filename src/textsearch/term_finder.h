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
    // The same in text that is not folded: ASCII letters match in either
    // case, every other byte as it is. For a needle in lower case.
    size_t FindCaseless(std::string_view text, size_t from = 0) const;

private:
    size_t Search(std::string_view text, size_t from, bool anyCase) const;

    std::string needle_;
    // Where the two needle bytes least likely in text are: a place is
    // compared whole only where text has both at their distance.
    size_t rare_ = 0;
    size_t second_ = 0;
};

}  // namespace qf
