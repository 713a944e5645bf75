#include "results/result_record.h"

#include <algorithm>
#include <array>
#include <ctime>

#include "platform/file_time.h"
#include "platform/utf8_text.h"
#include "results/result_kind.h"

namespace qf {
namespace {

std::string WithoutTabs(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t tab; (tab = text.find('\t')) != std::string_view::npos; text.remove_prefix(tab + 1))
        out.append(text.substr(0, tab));
    out.append(text);
    return out;
}

std::string LocalTimeTextOf(const FILETIME& ft) {
    FILETIME local;
    SYSTEMTIME st;
    if (!FileTimeToLocalFileTime(ft, local) || !FileTimeToSystemTime(local, st)) return {};
    return FormatDateTimeMinutes(st);
}

// The files of one tree often share their times to the second (a checkout,
// a copy, an unpacked archive), and the zone's offset is looked up under a
// lock: each thread keeps the texts of the last few seconds it showed.
std::string LocalTimeText(const FILETIME& ft) {
    struct Shown {
        std::time_t second = 0;
        bool made = false;
        std::string text;
    };
    thread_local std::array<Shown, 4> shown;
    thread_local size_t oldest = 0;
    const std::time_t second = UnixFromFileTime(ft);
    for (const Shown& s : shown)
        if (s.made && s.second == second) return s.text;
    Shown& s = shown[oldest];
    oldest = (oldest + 1) % shown.size();
    s = {second, true, LocalTimeTextOf(ft)};
    return s.text;
}

std::string Cut(const std::string& s, size_t n) { return s.size() > n ? s.substr(0, n) : s; }

// The first n characters of s.
std::string CutCharacters(std::string_view s, size_t n) { return std::string(Utf8Prefix(s, n)); }

// The same fields of a selected file and of a stored file.
template <typename Entry>
void FillKindFieldsOf(tagPrivStruct& record, int kind, const Entry& entry) {
    record.resultKind = kind;
    record.typeCode = std::string(KindCode(kind));
    record.hitsLocatedIn = std::string(KindHitsLocatedIn(kind));
    record.fileName = entry.fileName;
    record.extension = entry.extension;
    record.fullPath = entry.fullPath;
    record.folderPath = entry.zipFolderText.empty() ? entry.folderPath : entry.zipFolderText;
    record.folderKey = entry.folderPath;
    record.fileKey = entry.fileName;

    record.archiveFolder = Cut(entry.archiveFolder, kMaxArchiveText);
    record.archiveFileName = Cut(entry.archiveFileName, kMaxArchiveText);
    record.archiveExtension = entry.archiveExtension;
    record.unzippedFolder = entry.unzippedFolder;
    record.unzippedFileName = entry.unzippedFileName;
    record.unzippedExtension = entry.unzippedExtension;
    record.unzippedFullPath = entry.unzippedFolder.empty() ? "" : JoinPath(entry.unzippedFolder, entry.unzippedFileName);

    record.convertedFolder = entry.convertedFolder;
    record.convertedFileName.clear();
    if (!entry.convertedFolder.empty()) record.convertedFileName.append(entry.fileName).append(".txt");
    record.convertedExtension = entry.convertedExtension;
    record.convertedFullPath =
        entry.convertedFolder.empty() ? "" : JoinPath(entry.convertedFolder, record.convertedFileName);
}

}  // namespace

void FillKindFields(tagPrivStruct& record, int kind, const tagSelectedFileFolderStruct& entry) {
    FillKindFieldsOf(record, kind, entry);
}

void FillKindFields(tagPrivStruct& record, int kind, const tagFileStrukt& file) { FillKindFieldsOf(record, kind, file); }

void FillFileData(tagPrivStruct& record, const WIN32_FIND_DATAA& data) {
    record.size = std::to_string(data.nFileSize);
    record.creationTime = LocalTimeText(data.ftCreationTime);
    record.lastAccessTime = LocalTimeText(data.ftLastAccessTime);
    record.lastWriteTime = LocalTimeText(data.ftLastWriteTime);
}

void FillHitLine(tagPrivStruct& record, uint32_t lineNumber, const tagStructLineAndPositions& line) {
    record.lineNumber = std::to_string(lineNumber);
    record.lineNumberValue = int32_t(lineNumber);
    record.fullLine = WithoutTabs(line.sLineText);
    // Hit positions count characters of the line. The text from the first
    // hit on, without tabs, ends the line without tabs.
    const int32_t first = std::max<int32_t>(0, FirstHitPosition(line.mapTermPositions));
    const std::string_view text(line.sLineText);
    const std::string_view rest = text.substr(Utf8ByteOfChar(text, size_t(first)));
    const size_t restLength = rest.size() - size_t(std::count(rest.begin(), rest.end(), '\t'));
    const std::string_view fromHit = std::string_view(record.fullLine).substr(record.fullLine.size() - restLength);
    record.lineFromFirstHit = CutCharacters(fromHit, kMaxFirstHitText);
}

void FillWholeFile(tagPrivStruct& record) {
    record.lineNumber = "0";
    record.lineNumberValue = 0;
    record.fullLine.clear();
    record.lineFromFirstHit.clear();
}

std::string ColumnText(const tagPrivStruct& r, int column) {
    switch (column) {
        case 1: return r.folderNumber;
        case 2: return r.fileNumberInFolder;
        case 3: return r.lineNumber;
        case 4: return r.lineFromFirstHit;
        case 5: return r.hitsLocatedIn;
        case 6: return r.newFileMark;
        case 7: return r.fileName;
        case 8: return r.newFolderMark;
        case 9: return r.folderPath;
        case 10: return r.extension;
        case 11: return r.size;
        case 12: return r.lastWriteTime;
        case 13: return r.creationTime;
        case 14: return r.lastAccessTime;
        case 15: return r.convertedFolder;
        case 16: return r.convertedFileName;
        case 17: return r.convertedExtension;
        case 18: return r.archiveFolder;
        case 19: return r.archiveFileName;
        case 20: return r.archiveExtension;
        case 21: return r.unzippedFolder;
        case 22: return r.unzippedFileName;
        case 23: return r.unzippedExtension;
        case 24: return r.fullLine;
        case 25: return r.resultNumber;
        case 26: return r.readOrderMark;
        case 27: return r.typeCode;
        default: return {};
    }
}

}  // namespace qf
