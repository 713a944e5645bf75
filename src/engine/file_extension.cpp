#include "engine/file_extension.h"

#include "platform/case_fold.h"
#include "platform/paths.h"

namespace qf {
namespace {

// Position of the dot that starts the extension, or npos.
size_t ExtensionDot(std::string_view name) {
    const size_t dot = name.rfind('.');
    if (dot == std::string_view::npos) return dot;
    const size_t sep = name.rfind(kPathSeparator);
    if (sep != std::string_view::npos && sep > dot) return std::string_view::npos;
    return dot;
}

}  // namespace

std::string ExtensionOfName(std::string_view name) {
    const size_t dot = ExtensionDot(name);
    if (dot == std::string_view::npos) return std::string(kNoExtension);
    return std::string(name.substr(dot + 1));
}

std::string NameWithoutExtension(std::string_view name) {
    const size_t dot = ExtensionDot(name);
    return std::string(dot == std::string_view::npos ? name : name.substr(0, dot));
}

bool IsZipExtension(std::string_view extension) { return EqualsIgnoreCase(extension, "zip"); }

}  // namespace qf
