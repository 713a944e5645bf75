#include "shell/hit_line_preview.h"

#include <charconv>

#include "results/result_kind.h"

namespace qf::shell {
namespace {

bool IsNegatedKind(int kind) {
    return kind == kKindNotContained || kind == kKindNotFileContent || kind == kKindNotFileName ||
           kind == kKindNotFolderName || kind == kKindNotExtension;
}

}  // namespace

const tagFileStrukt* FindStoredFile(const FileResultsStore& store, const tagPrivStruct& record) {
    const auto found = store.find(record.fullPath);
    return found == store.end() ? nullptr : &found->second;
}

uint32_t RecordLine(const tagPrivStruct& record) {
    if (KindFromCode(record.typeCode) != kKindFileContent) return 1;
    uint32_t line = 0;
    const std::string& text = record.lineNumber;
    std::from_chars(text.data(), text.data() + text.size(), line);
    return line;
}

bool BuildHitLinePreview(const tagPrivStruct& record, const FileResultsStore& store,
                         const std::vector<std::string>& comparisonTerms, HitText& out) {
    if (IsNegatedKind(KindFromCode(record.typeCode))) return false;
    const tagFileStrukt* file = FindStoredFile(store, record);
    if (!file) return false;
    out = {};
    const auto line = file->lines.find(RecordLine(record));
    if (line == file->lines.end()) {
        out.text = record.lineFromFirstHit;
        return true;
    }
    out.text = line->second.sLineText;
    AddLineHits(line->second.mapTermPositions, comparisonTerms, 0, out.text.size(), out.hits);
    return true;
}

}  // namespace qf::shell
