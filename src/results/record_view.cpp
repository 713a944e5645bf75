#include "results/record_view.h"

#include <algorithm>

#include "platform/utf8_text.h"
#include "results/click_record.h"
#include "results/result_kind.h"
#include "results/result_preview.h"
#include "results/text_file_lines.h"
#include "results/utf8_offsets.h"

namespace qf {
namespace {

constexpr size_t kMaxLineText = 250;
constexpr size_t kWithoutArchiveValues = 16;

// The first n characters of s.
std::string Cut(std::string_view s, size_t n) { return std::string(Utf8Prefix(s, n)); }

struct HitLine {
    std::string lineText;
    std::string firstHit;
    size_t smallest = 0;  // the first hit, in characters
    MAP_TERM_POSITIONS terms;
    MAP_TERM_LENGTHS lengths;  // of a pattern's hits; a literal hit is as long as its term
};

std::vector<std::string> RecordValues(const tagPrivStruct& r, const ResultViewState& view, const HitLine& line) {
    const auto files = view.folderFileCounts.find(r.folderKey);
    const int fileCount = files == view.folderFileCounts.end() ? 0 : files->second;
    return {line.firstHit,
            line.lineText,
            r.folderNumber + "/" + std::to_string(view.folderCount),
            r.fileNumberInFolder + "/" + std::to_string(fileCount),
            r.lineNumber,
            r.hitsLocatedIn,
            r.fileName,
            r.folderPath,
            r.extension,
            r.size,
            r.creationTime,
            r.lastAccessTime,
            r.lastWriteTime,
            r.convertedFileName,
            r.convertedFolder,
            r.convertedExtension,
            r.archiveFileName,
            r.archiveFolder,
            r.archiveExtension,
            r.unzippedFileName,
            r.unzippedFolder,
            r.unzippedExtension};
}

// " \n " first-hit "\n \n " line, then "\n\n " before every further value.
void ComposeText(RecordViewText& out) {
    for (size_t i = 0; i < out.values.size(); ++i) {
        out.text.append(i == 0 ? " \n " : i == 1 ? "\n \n " : "\n\n ");
        out.valueStarts.push_back(out.text.size());
        out.text.append(out.values[i]);
    }
}

// A hit that runs past its value's end is cut there. Positions, shift and
// lengths count characters.
void AddRanges(RecordViewText& out, const Utf8Offsets& offsets, size_t value, size_t shift,
               const std::vector<std::string>& terms, const HitLine& line) {
    const size_t start = offsets.CharAt(out.valueStarts[value]);
    const size_t length = Utf8CharCount(out.values[value]);
    for (size_t i = 0; i < terms.size(); ++i) {
        const auto hits = line.terms.find(terms[i]);
        if (hits == line.terms.end()) continue;
        const size_t termLength = Utf8CharCount(terms[i]);
        for (size_t h = 0; h < hits->second.size(); ++h) {
            const int32_t p = hits->second[h];
            if (p < 0 || size_t(p) < shift || size_t(p) - shift >= length) continue;
            const size_t begin = size_t(p) - shift;
            const size_t end = std::min(begin + HitLength(line.lengths, terms[i], h, termLength), length);
            out.ranges.push_back(offsets.CharRange(start + begin, start + end, TermColor(i)));
        }
    }
}

RecordViewText Compose(const tagPrivStruct& r, const ResultViewState& view, const HitLine& line,
                       const std::vector<std::string>& terms) {
    RecordViewText out;
    out.values = RecordValues(r, view, line);
    out.layout = line.terms.empty() ? RecordViewLayout::WithoutHits : RecordViewLayout::WithHits;
    if (out.layout == RecordViewLayout::WithoutHits) out.values.resize(kWithoutArchiveValues);
    ComposeText(out);
    if (out.layout == RecordViewLayout::WithHits) {
        const Utf8Offsets offsets(out.text);
        AddRanges(out, offsets, 0, line.smallest, terms, line);
        AddRanges(out, offsets, 1, 0, terms, line);
    }
    return out;
}

HitLine MakeHitLine(const tagStructLineAndPositions* stored, int kind) {
    HitLine line;
    if (!stored) return line;
    if (!IsNegatedKind(kind)) line.lineText = Cut(stored->sLineText, kMaxLineText);
    line.terms = stored->mapTermPositions;
    line.lengths = stored->mapTermLengths;
    if (line.terms.empty()) {
        line.firstHit = line.lineText;
        return line;
    }
    line.smallest = size_t(std::max(0, FirstHitPosition(line.terms)));
    const size_t from = Utf8ByteOfChar(line.lineText, line.smallest);
    if (from < line.lineText.size()) line.firstHit = Cut(std::string_view(line.lineText).substr(from), kMaxFirstHitText);
    return line;
}

RecordViewResult Hidden() { return {RecordViewOutcome::Hidden, {}}; }

}  // namespace

RecordViewResult RecordViewFill(SearchResults& results, std::optional<size_t> row, const ResultViewState& view,
                                const Options& options, const std::vector<std::string>& terms,
                                UserMessages& messages) {
    if (options.On(Opt::STYDOSFILE)) return Hidden();
    const std::optional<ClickRecord> click = row ? ReadClickRecord(results, *row) : std::nullopt;
    if (!click) {
        messages.Show(WarningMessage("Warning !    Msg no: 0222.",
                                     "No Items Result window\nAction : You must perform a search to get some results."));
        return {RecordViewOutcome::NoRow, {}};
    }
    const tagPrivStruct& r = click->record;
    const auto kept = KeepFileTimes(click->openPath);
    const int kind = KindFromCode(r.typeCode);
    const std::optional<tagFileStrukt> file = FindResultFile(results, r);
    if (!file) return Hidden();

    uint32_t lineNumber = 1;
    if (kind == kKindFileContent) {
        lineNumber = uint32_t(std::max<int32_t>(r.lineNumberValue, 0));
        std::vector<std::string> lines;
        // The file must still open as a text the scan could read.
        if (!ReadLineRange(click->readPath, lineNumber, lineNumber, lines)) {
            messages.Show(ErrorMessage("Error !    Msg no: 0230.",
                                       "No, or damaged file ! Unable to open :\n\n" + click->readPath));
            return Hidden();
        }
    }
    RecordViewResult result{RecordViewOutcome::Filled, {}};
    const auto stored = file->lines.find(lineNumber);
    if (stored != file->lines.end() || !IsLineKind(kind)) {
        // A whole-file result has no stored line; it shows its values without one.
        const HitLine line = MakeHitLine(stored != file->lines.end() ? &stored->second : nullptr, kind);
        result.view = Compose(r, view, line, ComparisonTerms(terms, options.On(Opt::CASESENSIT)));
    } else {
        result.view.values = {Cut(r.lineFromFirstHit, kMaxLineText)};
        result.view.valueStarts = {0};
        result.view.text = result.view.values[0];
    }
    RestoreKeptTimes(click->openPath, kept, options);
    return result;
}

}  // namespace qf
