#include "results/result_preview.h"

#include <algorithm>
#include <map>
#include <utility>

#include "platform/case_folding.h"
#include "platform/utf8_text.h"
#include "results/result_kind.h"
#include "results/text_file_lines.h"
#include "results/utf8_offsets.h"

namespace qf {
namespace {

// A line of the preview and its length in characters, which is what hit
// positions count.
struct PreviewLine {
    uint32_t number;
    size_t length;
};

// Per term: where each hit begins and ends, in characters of the text.
using COLLECTED_POSITIONS = std::map<std::string, std::vector<std::pair<size_t, size_t>>>;

bool ReadContentLines(const ClickRecord& click, LinesAround around, std::string& text,
                      std::vector<PreviewLine>& previewLines, UserMessages& messages) {
    const uint32_t hit = uint32_t(std::max<int32_t>(click.record.lineNumberValue, 0));
    const uint32_t first = hit > around.above ? hit - around.above : 1;
    const uint64_t last = std::min<uint64_t>(uint64_t(hit) + around.below, UINT32_MAX);
    std::vector<std::string> lines;
    if (!ReadLineRange(click.readPath, first, uint32_t(last), lines)) {
        messages.Show(ErrorMessage("Error !    Msg no: 0067.",
                                   "No, or damaged file ! Unable to open :\n\n" + click.record.fullPath));
        return false;
    }
    for (size_t i = 0; i < lines.size(); ++i) {
        text.append(lines[i]).push_back('\n');
        previewLines.push_back({first + uint32_t(i), Utf8CharCount(lines[i])});
    }
    return true;
}

// Hits of the hit lines shifted to the text, each cut at its line's end; a
// position beyond its line (the file changed since the search) is dropped.
// A hit is as long as its term unless its match's own length was recorded.
COLLECTED_POSITIONS CollectHits(const std::vector<PreviewLine>& previewLines, const MAP_LINES_WITH_HITS& lineMap) {
    COLLECTED_POSITIONS collected;
    size_t offset = 0;
    for (const PreviewLine& line : previewLines) {
        if (const auto hit = lineMap.find(line.number); hit != lineMap.end()) {
            for (const auto& [term, positions] : hit->second.mapTermPositions) {
                const size_t termLength = Utf8CharCount(term);
                for (size_t i = 0; i < positions.size(); ++i) {
                    const int32_t p = positions[i];
                    if (p < 0 || size_t(p) >= line.length) continue;
                    const size_t length = HitLength(hit->second.mapTermLengths, term, i, termLength);
                    collected[term].emplace_back(offset + size_t(p), offset + std::min(size_t(p) + length, line.length));
                }
            }
        }
        offset += line.length + 1;
    }
    return collected;
}

std::vector<ColorRange> ColorHits(const std::string& text, const COLLECTED_POSITIONS& collected,
                                  const std::vector<std::string>& terms) {
    const Utf8Offsets offsets(text);
    std::vector<ColorRange> ranges;
    for (size_t i = 0; i < terms.size(); ++i) {
        const auto hits = collected.find(terms[i]);
        if (hits == collected.end()) continue;
        for (const auto& [begin, end] : hits->second) ranges.push_back(offsets.CharRange(begin, end, TermColor(i)));
    }
    return ranges;
}

}  // namespace

std::vector<std::string> ComparisonTerms(const std::vector<std::string>& terms, bool caseSensitive) {
    std::vector<std::string> out;
    out.reserve(terms.size());
    for (const std::string& t : terms) out.push_back(ComparisonText(t, caseSensitive));
    return out;
}

PreviewResult PreviewFill(const ClickRecord& click, const std::optional<tagFileStrukt>& file,
                          const std::vector<std::string>& terms, bool caseSensitive, LinesAround around,
                          UserMessages& messages) {
    PreviewResult result;
    const int kind = KindFromCode(click.record.typeCode);
    if (IsNegatedKind(kind) || !file) return result;
    const MAP_LINES_WITH_HITS& lineMap = file->lines;

    std::vector<PreviewLine> previewLines;
    if (kind == kKindFileContent) {
        if (!ReadContentLines(click, around, result.view.text, previewLines, messages)) return result;
        if (!previewLines.empty()) {
            result.view.firstLine = previewLines.front().number;
            result.view.hitLine = uint32_t(std::max<int32_t>(click.record.lineNumberValue, 0));
        }
    } else {
        const auto name = lineMap.find(1);
        result.view.text = name != lineMap.end() ? name->second.sLineText : click.record.lineFromFirstHit;
        previewLines.push_back({1, Utf8CharCount(result.view.text)});
    }
    result.view.ranges =
        ColorHits(result.view.text, CollectHits(previewLines, lineMap), ComparisonTerms(terms, caseSensitive));
    result.outcome = PreviewOutcome::Filled;
    return result;
}

PreviewResult PreviewForRow(SearchResults& results, size_t row, const Options& options,
                            const std::vector<std::string>& terms, UserMessages& messages) {
    const std::optional<ClickRecord> click = ReadClickRecord(results, row);
    if (!click) return {};
    return PreviewFill(*click, FindResultFile(results, click->record), terms, options.On(Opt::CASESENSIT),
                       LinesAroundFromOptions(options), messages);
}

}  // namespace qf
