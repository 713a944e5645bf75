#include "platform/paths.h"

namespace qf {

namespace {

// The path without the separators it ends in; the root keeps its one. The
// functions below make their text from it with one allocation at most, as
// the walk calls them for every file.
std::string_view WithoutTrailingSeparators(std::string_view path) {
    size_t end = path.size();
    while (end > 1 && path[end - 1] == kPathSeparator) --end;
    return path.substr(0, end);
}

}  // namespace

std::string TrimTrailingSeparators(std::string_view path) { return std::string(WithoutTrailingSeparators(path)); }

std::string JoinPath(std::string_view folder, std::string_view name) {
    while (!name.empty() && name.front() == kPathSeparator) name.remove_prefix(1);
    folder = WithoutTrailingSeparators(folder);
    if (name.empty()) return std::string(folder);
    if (folder.empty()) return std::string(name);
    const bool separated = folder.back() == kPathSeparator;  // the root already ends in one
    std::string out;
    out.reserve(folder.size() + 1 + name.size());
    out += folder;
    if (!separated) out += kPathSeparator;
    out += name;
    return out;
}

std::string BaseName(std::string_view path) {
    const std::string_view trimmed = WithoutTrailingSeparators(path);
    if (trimmed == "/") return {};
    const size_t slash = trimmed.rfind(kPathSeparator);
    return std::string(slash == std::string_view::npos ? trimmed : trimmed.substr(slash + 1));
}

std::string ParentPath(std::string_view path) {
    const std::string_view trimmed = WithoutTrailingSeparators(path);
    if (trimmed == "/") return std::string(trimmed);
    size_t slash = trimmed.rfind(kPathSeparator);
    if (slash == std::string_view::npos) return {};
    // "/a//b" has the parent "/a", and "/a" has the root.
    while (slash > 0 && trimmed[slash - 1] == kPathSeparator) --slash;
    return slash == 0 ? std::string(1, kPathSeparator) : std::string(trimmed.substr(0, slash));
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
