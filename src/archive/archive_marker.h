#pragma once
// The marker file beside each extraction folder: the full paths of the
// archives its files come from, outermost first.

#include <string>
#include <vector>

namespace qf {

constexpr const char* kArchiveMarkerName = "Norvique.Norvique";

// The lines of a marker file (CR LF or LF); empty when it cannot be read.
std::vector<std::string> ReadMarkerLines(const std::string& markerPath);

// The marker of the extraction folder that holds `archivePath`, at any depth
// below it; empty when the archive was not extracted from another archive.
std::string EnclosingMarkerPath(const std::string& zipWorkFolder, const std::string& archivePath);

// The chain for an archive: the enclosing archives' lines, then its own path.
std::vector<std::string> ArchiveChain(const std::string& zipWorkFolder, const std::string& archivePath);

// Appends the chain to the marker file in `outerFolder`.
bool WriteArchiveMarker(const std::string& outerFolder, const std::vector<std::string>& chain);

}  // namespace qf
