#include "archive/converted_path.h"

#include <vector>

#include "platform/paths.h"

namespace qf {
namespace {

// The rest as relative parts, with "." dropped and ".." taking back one part.
std::string NormalisedRest(std::string_view rest) {
    std::string out;
    for (std::string_view part : ResolvedParts(rest, true)) out.append(1, kPathSeparator).append(part);
    return out;
}

}  // namespace

DriveAndRest SplitDrive(std::string_view path) {
    // A path from the root carries no drive: a ":" in it belongs to a folder name.
    if (!path.empty() && path.front() == kPathSeparator) return {"", std::string(path)};
    const size_t colon = path.find(':');
    if (colon == std::string_view::npos) return {"", std::string(path)};
    return {std::string(path.substr(0, colon)), std::string(path.substr(colon + 1))};
}

std::string ConvertedFolder(const std::string& workFolder, std::string_view tree, const std::string& documentFolder) {
    const DriveAndRest split = SplitDrive(documentFolder);
    std::string disc = split.drive.empty() ? std::string() : split.drive.substr(0, 1);
    disc += "-Disc";
    return JoinPath(JoinPath(workFolder, tree), disc) + NormalisedRest(split.rest);
}

std::string ConvertedFile(const std::string& convertedFolder, const std::string& documentPath) {
    return JoinPath(convertedFolder, BaseName(documentPath) + ".txt");
}

}  // namespace qf
