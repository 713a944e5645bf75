#include "archive/unzip_archive.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <system_error>
#include <vector>

#include "archive/archive_columns.h"
#include "archive/archive_marker.h"
#include "archive/entry_path.h"
#include "archive/extraction_folder.h"
#include "archive/process_log.h"
#include "archive/zip_reader.h"
#include "engine/file_extension.h"
#include "engine/search_modes.h"
#include "platform/file_info.h"
#include "platform/folder_ops.h"
#include "platform/paths.h"

namespace qf {
namespace {

constexpr const char* kLogNumber = "0225";
constexpr const char* kOpenedText = " Archive file successfully opened : ";
constexpr const char* kFailedText = " Unzip process failed ";
constexpr const char* kEntryGoodText = "    File successfully unzipped : ";
constexpr const char* kEntryBadText = "    File didn't unzipped : ";
constexpr const char* kTooLargeText = "    File too large to unzip : ";
constexpr const char* kSizeDiffersText = "    File size differs from the archive's record : ";
constexpr const char* kSizeStoppedText = " Unzip stopped, an entry's size differs from the archive's record ";
constexpr const char* kOverlapText = " Unzip refused, its entries overlap ";
constexpr const char* kRatioText = " Unzip refused, it expands beyond the ratio limit ";
constexpr const char* kBudgetText = " Unzip refused, the search's unzip budget is spent ";
constexpr size_t kCopyBufferSize = 1 << 20;
// An archive that holds itself would otherwise be unzipped without end.
constexpr size_t kMaxArchiveNesting = 32;

// The state of one archive's unzip.
struct ArchiveRun {
    UnzipContext& context;
    ProcessLog log;
    ZipReader reader;
    _Folder_Struct folder;  // the archive folder entry to queue
    bool folderNames = false;
    std::vector<char> buffer;
    std::set<std::string> readyFolders;  // real folders inside the extraction folder
    bool sizeDiffers = false;            // an entry held more or less than declared: stop
};

void CountersChanged(UnzipContext& context) { context.observer.CountersChanged(); }

// Extracted entries never take the disk's last free bytes nor pass the file bound.
uint64_t EntryLimit(const UnzipContext& context, const std::string& folder) {
    const std::optional<uint64_t> free = FreeDiskSpace(folder);
    if (!free) return context.maxEntryBytes;
    const uint64_t usable = *free > context.diskReserve ? *free - context.diskReserve : 0;
    return std::min(context.maxEntryBytes, usable);
}

// The rules; an archive inside the archive is taken without them, to be
// unzipped when the extraction folder is searched.
bool EntryTakesPart(ArchiveEntryFilter& filter, const ZipEntryInfo& info) {
    if (info.folder) return filter.AcceptFolderEntry(info.name);
    const EntryNameParts parts = SplitEntryName(info.name);
    if (IsZipExtension(ExtensionOfName(parts.fileName))) return true;
    return filter.AcceptFileEntry(parts.folderPart, parts.fileName, info.FindData(parts.fileName));
}

// Creates `folder` level by level below the extraction folder. Every level
// must be a real folder, not a link: then nothing written below it can land
// outside. Levels already checked are remembered for the archive's other entries.
bool EnsureFolder(ArchiveRun& run, const std::string& folder) {
    if (run.readyFolders.count(folder)) return true;
    if (folder.size() <= run.folder.sIncreasedFolder.size()) return false;
    if (!EnsureFolder(run, ParentPath(folder))) return false;
    std::error_code ec;
    std::filesystem::create_directory(folder, ec);
    if (ec || std::filesystem::symlink_status(folder, ec).type() != std::filesystem::file_type::directory) return false;
    run.readyFolders.insert(folder);
    return true;
}

bool ExtractFolderEntry(ArchiveRun& run, const std::string& target) { return EnsureFolder(run, target); }

bool ExtractFileEntry(ArchiveRun& run, const ZipEntryInfo& info, const std::string& target) {
    const std::string parent = ParentPath(target);
    if (!EnsureFolder(run, parent)) return false;
    const uint64_t limit = EntryLimit(run.context, parent);
    if (info.uncompressedSize > limit) return false;
    uint64_t written = 0;
    const WriteOutcome outcome = run.reader.ExtractCurrent(target, limit, run.buffer, written);
    run.context.budget.Spend(written);
    if (outcome != WriteOutcome::Written) return false;
    if (written != info.uncompressedSize) {
        std::error_code ec;
        std::filesystem::remove(target, ec);
        run.sizeDiffers = true;
        return false;
    }
    RestoreFileTimes(target, info.times.lastAccess, info.times.lastWrite);
    return true;
}

// An extracted folder entry as a candidate of the folder-name search.
void OfferFolderName(ArchiveRun& run, const std::string& target) {
    tagSelectedFileFolderStruct entry;
    entry.folderPath = ParentPath(target);
    entry.fileName = BaseName(target);
    entry.fullPath = target;
    if (!GetFindData(target, entry.findData)) return;
    FillArchiveColumns(run.folder, entry);
    run.context.filter.FolderEntryExtracted(entry);
}

// Extracts one entry that passed the rules. Names that would land outside
// the extraction folder and link entries are refused.
void ExtractEntry(ArchiveRun& run, const ZipEntryInfo& info) {
    const std::optional<std::string> relative = SafeEntryPath(info.name);
    const std::string target = relative ? JoinPath(run.folder.sIncreasedFolder, *relative) : std::string();
    bool extracted = false;
    if (relative && !info.link)
        extracted = info.folder ? ExtractFolderEntry(run, target) : ExtractFileEntry(run, info, target);
    if (extracted) run.log.Good(kEntryGoodText, info.name, kLogNumber);
    else run.log.Bad(run.sizeDiffers ? kSizeDiffersText : kEntryBadText, info.name, kLogNumber);
    run.context.observer.CurrentName(info.name);
    if (extracted && info.folder && run.folderNames) OfferFolderName(run, target);
}

void ExtractEntries(ArchiveRun& run) {
    const uint64_t count = run.reader.EntryCount();
    bool more = run.reader.GoToFirst();
    for (uint64_t i = 0; i < count && more; ++i) {
        if (run.context.stopRequest.load(std::memory_order_relaxed) != 0) break;
        ZipEntryInfo info;
        if (!run.reader.CurrentInfo(info)) break;
        if (!info.folder && info.uncompressedSize > run.context.maxEntryBytes)
            run.log.Bad(kTooLargeText, info.name, kLogNumber);  // never taken, but never silently
        else if (EntryTakesPart(run.context.filter, info))
            ExtractEntry(run, info);
        if (run.sizeDiffers) break;
        more = run.reader.GoToNext();
    }
}

void Failed(ArchiveRun& run, const char* text, const std::string& archivePath) {
    run.log.Bad(text, archivePath, kLogNumber);
    ++run.context.counters.nZipFailed;
    CountersChanged(run.context);
}

// The survey before anything is written; nullptr when the archive may be unzipped.
const char* Refusal(ArchiveRun& run, const std::string& archivePath) {
    std::error_code ec;
    const uint64_t archiveBytes = std::filesystem::file_size(archivePath, ec);
    const ArchiveSurvey survey = SurveyArchive(run.reader, ec ? 0 : archiveBytes, run.context.maxEntryBytes);
    switch (JudgeArchive(survey, run.context.options.Int(Opt::ZIPRATIOLM), run.context.budget)) {
        case ArchiveVerdict::Accepted: return nullptr;
        case ArchiveVerdict::OverlappingEntries: return kOverlapText;
        case ArchiveVerdict::RatioExceeded: return kRatioText;
        case ArchiveVerdict::BudgetExceeded: return kBudgetText;
    }
    return kFailedText;
}

// An archive that lied about an entry counts as failed, and nothing of it stays.
void Abandon(ArchiveRun& run, const ExtractionFolder& extraction, const std::string& archivePath) {
    --run.context.counters.nZipUnzipped;
    Failed(run, kSizeStoppedText, archivePath);
    RemoveFolderContent(extraction.outer);
    std::error_code ec;
    std::filesystem::remove(extraction.outer, ec);
}

}  // namespace

std::optional<_Folder_Struct> UnzipArchive(UnzipContext& context, const tagSelectedFileFolderStruct& archive) {
    ArchiveRun run{context, ProcessLog(context.logFolder, LogProcess::Zip, context.messages), {}, {}, false, {}};
    const std::string& path = archive.fullPath;
    const std::optional<ExtractionFolder> extraction =
        CreateExtractionFolder(context.zipWorkFolder, context.nextFolderNumber);
    const std::vector<std::string> chain = ArchiveChain(context.zipWorkFolder, path);
    ++context.counters.nZipExamined;
    CountersChanged(context);
    if (!extraction || chain.size() > kMaxArchiveNesting || !run.reader.Open(path)) {
        Failed(run, kFailedText, path);
        return std::nullopt;
    }
    if (const char* refusal = Refusal(run, path)) {
        Failed(run, refusal, path);
        return std::nullopt;
    }
    context.observer.StatusText("Unzipping ...");
    run.log.Good(kOpenedText, path, kLogNumber);
    ++context.counters.nZipUnzipped;
    CountersChanged(context);

    run.folder = _Folder_Struct{extraction->inner, path, extraction->inner, nullptr};
    run.readyFolders.insert(extraction->inner);
    // The marker comes first, so that folder-name hits inside the archive
    // already find their archive columns.
    WriteArchiveMarker(extraction->outer, chain);
    run.folderNames = SearchModes::FromOptions(context.options).folderNames;
    run.buffer.resize(kCopyBufferSize);
    ExtractEntries(run);
    run.reader.Close();
    if (run.sizeDiffers) {
        Abandon(run, *extraction, path);
        return std::nullopt;
    }
    return run.folder;
}

}  // namespace qf
