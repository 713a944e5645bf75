#include "engine/file_phase.h"

#include "archive/document_conversion.h"
#include "archive/office_conversion.h"
#include "engine/archive_steps.h"
#include "engine/file_extension.h"
#include "engine/file_passes.h"
#include "engine/name_hits.h"
#include "platform/case_fold.h"
#include "platform/file_info.h"
#include "platform/paths.h"
#include "results/result_kind.h"

namespace qf {
namespace {

const char* const kSearching = "Searching ...";
const char* const kSelecting = "Selecting ...";

// Whether the file phase hands the file to a converter or reads it into text.
bool ConvertsAnyDocument(const Options& o, const std::string& extension) {
    return ConvertsDocument(extension) || (o.On(Opt::CONVOFFICE) && IsOfficeDocumentType(CharLowerA(extension)));
}

// What a listed file's extension tells: whether its type is binary,
// whether it passes the name or type rule of the listing's pattern, and its
// type in the statistics.
struct FileType {
    std::string extension;
    bool binary = false;
    bool passesRule = false;
    StatFileType statType = kTypeOther;
};

// The files of a folder often share their extension: the type found for
// the last file is taken again when its extension is the same.
FileType TypeOf(const Options& options, std::string_view name, const std::string& pattern, FileType& last) {
    FileType type{ExtensionOfName(name)};
    if (type.extension == last.extension && !last.extension.empty()) return last;
    type.binary = IsBinaryType(options, type.extension);
    type.passesRule = NameOrTypeRulePasses(options, pattern, type.extension);
    type.statType = FileTypeOfExtension(type.extension);
    last = type;
    return type;
}

// What the counters take of an examined file.
struct ExaminedFile {
    SearchModes modes;
    uint8_t type;  // a StatFileType
    bool binary;
};

// A kept file, and whether its type is binary (as converted, when it was).
struct KeptFile {
    tagSelectedFileFolderStruct entry;
    bool binary = false;
};

void FillEntry(RunContext& context, const _Folder_Struct& folder, const FolderEntry& listed, std::string extension,
               tagSelectedFileFolderStruct& entry) {
    entry.folderPath = folder.sWorkingFolder;
    entry.fileName = listed.data.cFileName;
    entry.extension = std::move(extension);
    entry.fullPath = JoinPath(folder.sWorkingFolder, entry.fileName);
    entry.findData = listed.data;
    entry.findDataPending = !listed.detailed;
    if (folder.IsArchiveFolder() && context.archive) context.archive->FillColumns(folder, entry);
}

// Name hits of the file name and extension, appended at once.
void MatchFileNames(RunContext& context, const tagSelectedFileFolderStruct& entry) {
    if (context.modes.fileNames) {
        if (auto hit = MatchNameHit(context.query, NameWithoutExtension(entry.fileName), kKindFileName, entry))
            context.selected.push_back(std::move(*hit));
    }
    if (context.modes.extensions) {
        if (auto hit = MatchNameHit(context.query, entry.extension, kKindExtension, entry))
            context.selected.push_back(std::move(*hit));
    }
}

// Name or type rule, date and size rules, conversion, name terms and unzip
// for one listed file; kept files go to `kept`.
void SelectFile(RunContext& context, const _Folder_Struct& folder, const FolderEntry& listed, FileType type,
                ListingMode mode, std::vector<KeptFile>& kept) {
    const Options& o = context.options;
    if (!type.passesRule) return;
    // An archive is counted as met when it is unzipped, never as an examined file.
    if (!IsZipExtension(type.extension)) {
        // Small enough to be held back in place, without an allocation of
        // its own (16 bytes is what a held effect keeps in place).
        const ExaminedFile file{context.modes, uint8_t(type.statType), type.binary};
        auto count = [&s = context.session, file] {
            ++s.counters.nFilesExamined;
            CountFileExamined(s.statistics, file.modes, StatFileType(file.type), file.binary);
        };
        static_assert(sizeof(count) <= 16);
        context.Show(std::move(count));
    }
    // Without its details the file passes the rules but for the size bound,
    // which its reading applies.
    if (listed.detailed && !FilePasses(o, listed.data, context.now)) return;

    // Made in its place among the kept files (room for every listed file
    // is reserved), and taken back when the file is not kept after all.
    tagSelectedFileFolderStruct& entry = kept.emplace_back().entry;
    const auto drop = [&kept] { kept.pop_back(); };
    FillEntry(context, folder, listed, type.extension, entry);
    if (context.modes.content && context.archive) {
        // A converter's logs and counters cannot wait: earlier folders have their turn first.
        if (ConvertsAnyDocument(o, entry.extension) && !context.Settle()) return drop();
        context.archive->Convert(entry);
        context.observer.StatusText(kSelecting);
    }
    if (!FileTermRulesPass(context.fileRules, context.query.matcher, entry.fileName, entry.extension)) return drop();

    MatchFileNames(context, entry);
    if (mode == ListingMode::Zip && o.On(Opt::CONVZIPCHK) && IsZipExtension(entry.extension) &&
        ArchiveSteps::MatchesZipName(o, entry.fileName) && context.archive) {
        if (!context.Settle()) return drop();
        context.archive->Unzip(entry);
        context.observer.StatusText(kSelecting);
    }
    if (!context.modes.byFileName && !context.modes.content) return drop();
    entry.resultKind = context.modes.byFileName ? kKindFile : kKindFileContent;
    kept.back().binary = entry.extension == type.extension ? type.binary : IsBinaryType(o, entry.extension);
}

// The listing's kept files join the selected-file list; binary types are
// kept out of the content phase and counted.
void AppendKept(RunContext& context, std::vector<KeptFile>& kept) {
    context.selected.reserve(context.selected.size() + kept.size());
    for (auto& [entry, binary] : kept) {
        if (entry.resultKind == kKindFileContent && binary) {
            context.Show([&s = context.session] {
                ++s.counters.nBinarySkipped;
                CountBinarySkipped(s.statistics);
            });
            continue;
        }
        context.selected.push_back(std::move(entry));
    }
}

// A file's times and size may wait until it is read when nothing before
// needs them: a content search without name searches, date, time and size
// rules or restoring of times, of a file that is neither converted,
// unzipped nor kept out as binary (those depend on the size bound at once).
bool DetailsCanWait(const RunContext& context, const FileType& type, ListingMode mode) {
    if (!context.detailsCanWait || mode != ListingMode::Normal) return false;
    return !type.binary && !ConvertsDocument(type.extension) && !IsZipExtension(type.extension);
}

}  // namespace

bool DetailsCanWaitInRun(const Options& options, const SearchModes& modes) {
    return modes.content && !modes.byFileName && !modes.fileNames && !modes.extensions &&
           !options.On(Opt::RESTORETIM) && !SizeOrTimeRulesOn(options);
}

void ListWithPattern(RunContext& context, const _Folder_Struct& folder, const std::string& pattern, ListingMode mode) {
    context.observer.StatusText(kSearching);
    const bool restore = context.options.On(Opt::RESTORETIM) && !LiesInWindowsFolder(folder.sWorkingFolder);
    std::vector<KeptFile> kept;
    FileType lastType;
    for (FolderEntry& listed : context.listing) {
        // Times and size are read only for names that match, and only when
        // needed before the file is read; a file that vanished since the
        // listing is passed over.
        if (!listed.data.IsFolder() && MatchWildcard(pattern, listed.data.cFileName)) {
            // Room for the rest of the listing, made once a name matches.
            if (kept.capacity() == 0) kept.reserve(context.listing.size() - size_t(&listed - context.listing.data()));
            FileType type = TypeOf(context.options, listed.data.cFileName, pattern, lastType);
            if (DetailsCanWait(context, type, mode) ||
                LoadEntryDetails(folder.sWorkingFolder, listed, context.listedThrough)) {
                context.observer.CurrentName(listed.data.cFileName);
                SelectFile(context, folder, listed, std::move(type), mode, kept);
                if (restore) {
                    RestoreFileTimes(JoinPath(folder.sWorkingFolder, listed.data.cFileName),
                                     listed.data.ftLastAccessTime, listed.data.ftLastWriteTime);
                }
            }
        }
        if (context.PollStop()) break;
    }
    AppendKept(context, kept);
}

void RunFilePhase(RunContext& context, const _Folder_Struct& folder) {
    for (const std::string& pattern : context.options.List(Opt::FILENAMES1)) {
        ListWithPattern(context, folder, pattern, ListingMode::Normal);
        if (context.Stopping()) return;
    }
    for (const std::string& pattern : context.options.List(Opt::ZFILENAMES)) {
        ListWithPattern(context, folder, pattern, ListingMode::Zip);
        if (context.Stopping()) return;
    }
}

}  // namespace qf
