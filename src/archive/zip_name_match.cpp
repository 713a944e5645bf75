#include "archive/zip_name_match.h"

#include <algorithm>

#include "platform/case_fold.h"

namespace qf {

bool ZipNameMatches(std::string_view pattern, std::string_view fileName) {
    const std::string p = CharLowerA(pattern);
    const std::string n = CharLowerA(fileName);
    const size_t common = std::min(p.size(), n.size());
    for (size_t i = 0; i < common; ++i) {
        if (p[i] == n[i] || p[i] == '?') continue;
        return p[i] == '*';
    }
    return p.size() == n.size();
}

bool MatchesZipPatterns(const std::vector<std::string>& patterns, std::string_view fileName) {
    if (patterns.empty()) return true;
    return std::any_of(patterns.begin(), patterns.end(),
                       [&](const std::string& pattern) { return ZipNameMatches(pattern, fileName); });
}

}  // namespace qf
