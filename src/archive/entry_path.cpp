#include "archive/entry_path.h"

namespace qf {
namespace {

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

bool HasDriveLetter(std::string_view name) {
    return name.size() >= 2 && name[1] == ':' &&
           ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= 'a' && name[0] <= 'z'));
}

}  // namespace

std::optional<std::string> SafeEntryPath(std::string_view entryName) {
    if (entryName.empty() || IsSeparator(entryName.front()) || HasDriveLetter(entryName)) return std::nullopt;
    std::string path;
    size_t start = 0;
    while (start <= entryName.size()) {
        size_t end = start;
        while (end < entryName.size() && !IsSeparator(entryName[end])) ++end;
        const std::string_view part = entryName.substr(start, end - start);
        if (part == "..") return std::nullopt;
        if (!part.empty() && part != ".") {
            if (!path.empty()) path += '/';
            path.append(part);
        }
        start = end + 1;
    }
    if (path.empty()) return std::nullopt;
    return path;
}

EntryNameParts SplitEntryName(std::string_view entryName) {
    while (!entryName.empty() && entryName.back() == '/') entryName.remove_suffix(1);
    const size_t slash = entryName.rfind('/');
    if (slash == std::string_view::npos) return {"", std::string(entryName)};
    return {std::string(entryName.substr(0, slash)), std::string(entryName.substr(slash + 1))};
}

}  // namespace qf
