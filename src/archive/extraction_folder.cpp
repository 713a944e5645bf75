#include "archive/extraction_folder.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/folder_ops.h"
#include "platform/paths.h"

namespace qf {
namespace {

constexpr int kLastFolderNumber = 999999;

}  // namespace

std::string ExtractionFolderName(int number) {
    char name[16];
    std::snprintf(name, sizeof name, "ZIPS%05d", number);
    return name;
}

std::optional<ExtractionFolder> CreateExtractionFolder(const std::string& zipWorkFolder, int& firstCandidate) {
    std::error_code exists;
    if (!std::filesystem::is_directory(zipWorkFolder, exists) && !CreateFolders(zipWorkFolder)) return std::nullopt;
    for (int n = std::max(firstCandidate, 1); n <= kLastFolderNumber; ++n) {
        const std::string name = ExtractionFolderName(n);
        const std::string outer = JoinPath(zipWorkFolder, name);
        std::error_code ec;
        // create_directory is the existence test and the creation in one step.
        if (!std::filesystem::create_directory(outer, ec)) {
            if (!ec || ec == std::errc::file_exists) continue;
            return std::nullopt;
        }
        firstCandidate = n + 1;
        const std::string inner = JoinPath(outer, name);
        if (!std::filesystem::create_directory(inner, ec)) return std::nullopt;
        return ExtractionFolder{outer, inner};
    }
    return std::nullopt;
}

}  // namespace qf
