#include "archive/archive_marker.h"

#include <fstream>

#include "platform/paths.h"

namespace qf {
namespace {

bool IsExtractionFolderName(std::string_view name) {
    if (name.size() < 9 || name.substr(0, 4) != "ZIPS") return false;
    return name.substr(4).find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

std::vector<std::string> ReadMarkerLines(const std::string& markerPath) {
    std::vector<std::string> lines;
    std::ifstream in(markerPath, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// An archive found anywhere inside <work>/ZIPSn/ZIPSn takes that folder's
// chain: looking only one folder up would lose it for archives in subfolders.
std::string EnclosingMarkerPath(const std::string& zipWorkFolder, const std::string& archivePath) {
    const std::string base = TrimTrailingSeparators(zipWorkFolder);
    const std::string prefix = base == "/" ? base : base + kPathSeparator;
    if (archivePath.size() <= prefix.size() || archivePath.compare(0, prefix.size(), prefix) != 0) return {};
    const std::string_view rest = std::string_view(archivePath).substr(prefix.size());
    const size_t first = rest.find(kPathSeparator);
    if (first == std::string_view::npos) return {};
    const std::string_view outer = rest.substr(0, first);
    const std::string_view afterOuter = rest.substr(first + 1);
    const size_t second = afterOuter.find(kPathSeparator);
    if (second == std::string_view::npos || afterOuter.substr(0, second) != outer) return {};
    if (!IsExtractionFolderName(outer)) return {};
    return JoinPath(JoinPath(base, outer), kArchiveMarkerName);
}

std::vector<std::string> ArchiveChain(const std::string& zipWorkFolder, const std::string& archivePath) {
    std::vector<std::string> chain;
    const std::string enclosing = EnclosingMarkerPath(zipWorkFolder, archivePath);
    if (!enclosing.empty()) chain = ReadMarkerLines(enclosing);
    chain.push_back(archivePath);
    return chain;
}

bool WriteArchiveMarker(const std::string& outerFolder, const std::vector<std::string>& chain) {
    std::ofstream out(JoinPath(outerFolder, kArchiveMarkerName), std::ios::binary | std::ios::app);
    for (const std::string& line : chain) out << line << "\r\n";
    return bool(out.flush());
}

}  // namespace qf
