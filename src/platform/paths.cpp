#include "platform/paths.h"

namespace qf {

std::string TrimTrailingSeparators(std::string_view path) {
    size_t end = path.size();
    while (end > 1 && path[end - 1] == kPathSeparator) --end;
    return std::string(path.substr(0, end));
}

std::string JoinPath(std::string_view folder, std::string_view name) {
    while (!name.empty() && name.front() == kPathSeparator) name.remove_prefix(1);
    std::string out = TrimTrailingSeparators(folder);
    if (name.empty()) return out;
    if (out.empty()) return std::string(name);
    if (out.back() != kPathSeparator) out += kPathSeparator;  // the root already ends in one
    out += name;
    return out;
}

std::string BaseName(std::string_view path) {
    std::string trimmed = TrimTrailingSeparators(path);
    if (trimmed == "/") return {};
    size_t slash = trimmed.rfind(kPathSeparator);
    return slash == std::string::npos ? trimmed : trimmed.substr(slash + 1);
}

std::string ParentPath(std::string_view path) {
    std::string trimmed = TrimTrailingSeparators(path);
    if (trimmed == "/") return trimmed;
    size_t slash = trimmed.rfind(kPathSeparator);
    if (slash == std::string::npos) return {};
    // "/a//b" has the parent "/a", and "/a" has the root.
    while (slash > 0 && trimmed[slash - 1] == kPathSeparator) --slash;
    return slash == 0 ? std::string(1, kPathSeparator) : trimmed.substr(0, slash);
}

std::vector<std::string_view> ResolvedParts(std::string_view path, bool backslash) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = start;
        while (end < path.size() && path[end] != '/' && !(backslash && path[end] == '\\')) ++end;
        const std::string_view part = path.substr(start, end - start);
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    return parts;
}

}  // namespace qf
