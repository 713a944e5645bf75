#pragma once
// The fresh folder each opened archive is extracted into:
// <zip working folder>/ZIPSnnnnn/ZIPSnnnnn, the outer level holding the marker.

#include <optional>
#include <string>

namespace qf {

struct ExtractionFolder {
    std::string outer;  // <zip working folder>/ZIPSnnnnn: holds the marker file
    std::string inner;  // <outer>/ZIPSnnnnn: the entries land here
};

// "ZIPS" and the number with at least five digits.
std::string ExtractionFolderName(int number);

// Creates the folder with the smallest number from `firstCandidate` up to
// 999999 whose outer level does not exist yet; `firstCandidate` moves past
// it, so that a run does not test the same numbers again. Nothing when no
// folder can be made.
std::optional<ExtractionFolder> CreateExtractionFolder(const std::string& zipWorkFolder, int& firstCandidate);

}  // namespace qf
