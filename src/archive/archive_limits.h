#pragma once
// What keeps an archive from filling the disk: entries that share their data
// (local headers that overlap), an expansion far beyond the archive's own
// size, and a budget for everything one search extracts. Any reader of ZIP
// containers can survey an archive with these before it writes anything.

#include <cstdint>
#include <optional>
#include <vector>

#include "archive/zip_reader.h"

namespace qf {

// Smaller archives are not held to the expansion ratio.
constexpr uint64_t kRatioFloorBytes = 1ULL << 20;

// One entry's place in the archive file: [local header, end of its data).
struct ZipEntrySpan {
    uint64_t begin = 0;
    uint64_t end = 0;
};

// True when any two spans share a byte.
bool SpansOverlap(std::vector<ZipEntrySpan> spans);

struct ArchiveSurvey {
    uint64_t archiveBytes = 0;   // the archive file's size
    uint64_t expandedBytes = 0;  // declared sizes of the file entries that may be written
    bool overlapping = false;
};

// Reads every entry of an open archive (the reader is left on no entry in
// particular). Links and entries declared over `maxEntryBytes` are never
// written, so they do not count towards the expansion.
ArchiveSurvey SurveyArchive(ZipReader& reader, uint64_t archiveBytes, uint64_t maxEntryBytes);

// What one search may still extract.
class ExtractionBudget {
public:
    ExtractionBudget() = default;  // unlimited
    explicit ExtractionBudget(uint64_t bytes) : left_(bytes) {}
    bool Allows(uint64_t bytes) const { return bytes <= left_; }
    void Spend(uint64_t bytes) { left_ -= bytes < left_ ? bytes : left_; }

private:
    uint64_t left_ = UINT64_MAX;
};

// ZIPBUDGETM mebibytes (no own limit when 0 or less), never more than half
// of `freeBytes` when that is known.
uint64_t SearchBudgetBytes(int64_t budgetMiB, std::optional<uint64_t> freeBytes);

enum class ArchiveVerdict { Accepted, OverlappingEntries, RatioExceeded, BudgetExceeded };

// `maxRatio` is ZIPRATIOLM; 0 or less leaves the ratio unchecked.
ArchiveVerdict JudgeArchive(const ArchiveSurvey& survey, int64_t maxRatio, const ExtractionBudget& budget);

}  // namespace qf
