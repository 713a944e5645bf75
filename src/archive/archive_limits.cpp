#include "archive/archive_limits.h"

#include <algorithm>
#include <limits>

namespace qf {
namespace {

uint64_t SaturatingAdd(uint64_t a, uint64_t b) {
    return a > std::numeric_limits<uint64_t>::max() - b ? std::numeric_limits<uint64_t>::max() : a + b;
}

bool WrittenWhenTakingPart(const ZipEntryInfo& info, uint64_t maxEntryBytes) {
    return !info.folder && !info.link && info.uncompressedSize <= maxEntryBytes;
}

// expanded > archive * ratio, without overflow.
bool ExpandsBeyond(uint64_t expanded, uint64_t archive, uint64_t ratio) {
    const uint64_t quotient = expanded / ratio;
    return quotient > archive || (quotient == archive && expanded % ratio != 0);
}

}  // namespace

bool SpansOverlap(std::vector<ZipEntrySpan> spans) {
    std::sort(spans.begin(), spans.end(), [](const ZipEntrySpan& a, const ZipEntrySpan& b) { return a.begin < b.begin; });
    for (size_t i = 1; i < spans.size(); ++i)
        if (spans[i].begin < spans[i - 1].end) return true;
    return false;
}

ArchiveSurvey SurveyArchive(ZipReader& reader, uint64_t archiveBytes, uint64_t maxEntryBytes) {
    ArchiveSurvey survey;
    survey.archiveBytes = archiveBytes;
    std::vector<ZipEntrySpan> spans;
    const uint64_t count = reader.EntryCount();
    bool more = reader.GoToFirst();
    for (uint64_t i = 0; i < count && more; ++i) {
        ZipEntryInfo info;
        if (!reader.CurrentInfo(info)) break;
        ZipEntrySpan span;
        // An entry that cannot be opened is never written either.
        if (reader.CurrentSpan(info, span.begin, span.end)) spans.push_back(span);
        if (WrittenWhenTakingPart(info, maxEntryBytes))
            survey.expandedBytes = SaturatingAdd(survey.expandedBytes, info.uncompressedSize);
        more = reader.GoToNext();
    }
    survey.overlapping = SpansOverlap(std::move(spans));
    return survey;
}

uint64_t SearchBudgetBytes(int64_t budgetMiB, std::optional<uint64_t> freeBytes) {
    uint64_t budget = budgetMiB > 0 ? uint64_t(budgetMiB) << 20 : std::numeric_limits<uint64_t>::max();
    if (freeBytes) budget = std::min(budget, *freeBytes / 2);
    return budget;
}

ArchiveVerdict JudgeArchive(const ArchiveSurvey& survey, int64_t maxRatio, const ExtractionBudget& budget) {
    if (survey.overlapping) return ArchiveVerdict::OverlappingEntries;
    if (maxRatio > 0 && survey.archiveBytes > kRatioFloorBytes &&
        ExpandsBeyond(survey.expandedBytes, survey.archiveBytes, uint64_t(maxRatio)))
        return ArchiveVerdict::RatioExceeded;
    if (!budget.Allows(survey.expandedBytes)) return ArchiveVerdict::BudgetExceeded;
    return ArchiveVerdict::Accepted;
}

}  // namespace qf
