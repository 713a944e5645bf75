#include "cli/output_formats.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

#include "cli/json_text.h"
#include "cli/record_fields.h"
#include "cli/terminal.h"
#include "platform/control_chars.h"
#include "platform/parallel_parts.h"
#include "platform/utf8_text.h"
#include "results/list_view_spacer.h"
#include "results/result_kind.h"

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define QF_HAVE_SSE2 1
#endif

namespace qf::cli {
namespace {

void WriteLine(std::FILE* out, const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), out);
    std::fputc('\n', out);
}

// Printable ASCII without any of `special` (one or two bytes): a field that
// needs no escaping or quoting, as most are, is written as it is. Sixteen
// bytes are tested at a time where the processor offers it, then eight.
class PlainBytes {
public:
    explicit PlainBytes(std::string_view special)
        : special_{kOnes * static_cast<unsigned char>(special.front()),
                   kOnes * static_cast<unsigned char>(special.back())} {
        for (int c = 0x20; c < 0x7F; ++c) plain_[size_t(c)] = special.find(char(c)) == std::string_view::npos;
    }
    bool Plain(std::string_view text) const {
        size_t i = 0;
#ifdef QF_HAVE_SSE2
        for (; i + 16 <= text.size(); i += 16)
            if (!Plain16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i)))) return false;
#endif
        for (; i + 8 <= text.size(); i += 8) {
            uint64_t word;
            std::memcpy(&word, text.data() + i, 8);
            if (!PlainWord(word)) return false;
        }
        for (; i < text.size(); ++i)
            if (!plain_[static_cast<unsigned char>(text[i])]) return false;
        return true;
    }

private:
    static constexpr uint64_t kOnes = 0x0101010101010101ULL;
    static constexpr uint64_t kHighs = 0x8080808080808080ULL;
    static bool HasZeroByte(uint64_t w) { return ((w - kOnes) & ~w & kHighs) != 0; }
    bool PlainWord(uint64_t w) const {
        const bool control = ((w - kOnes * 0x20) & ~w & kHighs) != 0;  // a byte below 0x20
        const bool beyond = (((w + kOnes) | w) & kHighs) != 0;          // a byte of 0x7F or above
        return !control && !beyond && !HasZeroByte(w ^ special_[0]) && !HasZeroByte(w ^ special_[1]);
    }

#ifdef QF_HAVE_SSE2
    // SSE2 compares signed: adding 0x60 takes 0x20..0x7E to -128..-34 and
    // every other byte above that.
    bool Plain16(__m128i x) const {
        const __m128i printable = _mm_cmplt_epi8(_mm_add_epi8(x, _mm_set1_epi8(0x60)), _mm_set1_epi8(-33));
        const __m128i special = _mm_or_si128(_mm_cmpeq_epi8(x, _mm_set1_epi8(char(special_[0]))),
                                             _mm_cmpeq_epi8(x, _mm_set1_epi8(char(special_[1]))));
        return _mm_movemask_epi8(_mm_andnot_si128(special, printable)) == 0xFFFF;
    }
#endif

    std::array<uint64_t, 2> special_;
    std::array<bool, 256> plain_{};
};

// TSV cannot quote: backslashes and control characters (tabs, line ends,
// terminal controls) are escaped, so that nothing is lost or misread.
std::string TsvField(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '\\') out += "\\\\";
        else out += c;
    }
    return EscapeControlChars(out);
}

// Printable ASCII with backslashes, as in source code: only the
// backslashes change, doubled.
void AppendDoubledBackslashes(std::string& line, std::string_view text) {
    for (size_t at = text.find('\\'); at != std::string_view::npos; at = text.find('\\')) {
        line.append(text.substr(0, at + 1)).push_back('\\');
        text.remove_prefix(at + 1);
    }
    line += text;
}

void AppendTsv(std::string& line, std::string_view text) {
    static const PlainBytes plain("\\");
    static const PlainBytes printable("\x7F");  // no byte is special beyond the rule
    if (plain.Plain(text)) line += text;
    else if (printable.Plain(text)) AppendDoubledBackslashes(line, text);
    else line += TsvField(text);
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return std::string(text);
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

void AppendCsv(std::string& line, std::string_view text) {
    static const PlainBytes plain(",\"");
    if (plain.Plain(text)) line += text;
    else line += CsvField(text);
}

// Rows are formatted in parts made side by side and written in their
// order: the output is the same for any number of threads, and no more
// than a part a thread is held as text. A thread writes its part while the
// others go on formatting theirs.
constexpr size_t kRowsPerPart = 1024;
constexpr size_t kRowBytes = 512;  // about what a row of hit lines takes

// append(line, text) adds a field's text, escaped or quoted as needed.
template <typename Append>
void AppendRow(std::string& text, const tagPrivStruct& record, char separator, Append append, std::string& number) {
    bool first = true;
    for (const RecordField& field : kRecordFields) {
        if (!first) text += separator;
        first = false;
        append(text, FieldText(record, field, number));
    }
    text += '\n';
}

template <typename Append>
void PrintDelimited(std::FILE* out, const RESULT_LIST& list, char separator, Append append, int threads) {
    std::string header;
    for (const RecordField& field : kRecordFields) {
        if (!header.empty()) header += separator;
        header += field.name;
    }
    WriteLine(out, header);
    const size_t parts = (list.size() + kRowsPerPart - 1) / kRowsPerPart;
    RunPartsInOrder(
        parts, threads,
        [&](size_t part, std::string& text) {
            // Room for a part's rows at once, rather than grown row by row.
            text.reserve(kRowsPerPart * kRowBytes);
            std::string number;
            const size_t end = std::min(list.size(), (part + 1) * kRowsPerPart);
            for (size_t r = part * kRowsPerPart; r < end; ++r) AppendRow(text, list[r], separator, append, number);
        },
        [&](const std::string& text) { std::fwrite(text.data(), 1, text.size(), out); });
}

// The hit line of a record in the store: same file, same kind, same line.
const tagStructLineAndPositions* FindHitLine(const FileResultsStore& store, const tagPrivStruct& record) {
    if (!IsLineKind(record.resultKind)) return nullptr;
    const auto [begin, end] = store.equal_range(record.fullPath);
    for (auto it = begin; it != end; ++it) {
        if (it->second.resultKind != record.resultKind) continue;
        const auto line = it->second.lines.find(uint32_t(record.lineNumberValue));
        if (line != it->second.lines.end()) return &line->second;
    }
    return nullptr;
}

// A key must be a string: a term that is not UTF-8 is given as its base64.
std::string TermKey(const std::string& term) {
    return IsValidUtf8(term) ? JsonString(term) : JsonString("base64:" + Base64(term));
}

std::string NumberArray(const std::vector<size_t>& numbers) {
    std::string out = "[";
    for (size_t i = 0; i < numbers.size(); ++i) out += (i ? ", " : "") + std::to_string(numbers[i]);
    return out + "]";
}

// Per term the hits' positions, or with lengths their lengths (a pattern's
// match as long as it was, a literal term as long as itself), in characters.
std::string HitsObject(const tagStructLineAndPositions* line, bool lengths) {
    std::string out = "{";
    if (line) {
        bool first = true;
        for (const auto& [term, positions] : line->mapTermPositions) {
            std::vector<size_t> numbers;
            for (size_t i = 0; i < positions.size(); ++i)
                numbers.push_back(lengths ? HitLength(line->mapTermLengths, term, i, Utf8CharCount(term))
                                          : size_t(std::max(positions[i], 0)));
            out += (first ? "" : ", ") + TermKey(term) + ": " + NumberArray(numbers);
            first = false;
        }
    }
    return out + "}";
}

}  // namespace

void PrintTable(std::FILE* out, const RESULT_LIST& list) {
    const std::vector<std::string> header = {"No.", "Type", "Line", "Path", "Text"};
    std::vector<std::vector<std::string>> rows;
    rows.reserve(list.size());
    for (const tagPrivStruct& r : list)
        rows.push_back({r.resultNumber, r.typeCode, std::string(Unpadded(r, &tagPrivStruct::lineNumber)),
                        TsvField(r.fullPath), TsvField(Unpadded(r, &tagPrivStruct::lineFromFirstHit))});
    std::vector<size_t> width(header.size());
    for (size_t c = 0; c < header.size(); ++c) width[c] = header[c].size();
    for (const auto& row : rows)
        for (size_t c = 0; c + 1 < row.size(); ++c) width[c] = std::max(width[c], row[c].size());
    auto print = [&](const std::vector<std::string>& row) {
        std::string line;
        for (size_t c = 0; c < row.size(); ++c) {
            line += row[c];
            if (c + 1 < row.size()) line += std::string(width[c] - row[c].size() + 2, ' ');
        }
        WriteLine(out, line);
    };
    print(header);
    for (const auto& row : rows) print(row);
}

void PrintTsv(std::FILE* out, const RESULT_LIST& list, int threads) {
    PrintDelimited(out, list, '\t', AppendTsv, threads);
}

void PrintCsv(std::FILE* out, const RESULT_LIST& list, int threads) {
    PrintDelimited(out, list, ',', AppendCsv, threads);
}

void PrintJsonLines(std::FILE* out, const RESULT_LIST& list, const FileResultsStore& store) {
    std::string number;
    for (const tagPrivStruct& record : list) {
        std::string line = "{";
        for (const RecordField& field : kRecordFields) {
            line += JsonString(field.name) + ": ";
            line += field.text ? JsonText(FieldText(record, field, number)) : std::to_string(record.*field.number);
            line += ", ";
        }
        const tagStructLineAndPositions* hitLine = FindHitLine(store, record);
        line += "\"hits\": " + HitsObject(hitLine, false) + ", ";
        line += "\"hit_lengths\": " + HitsObject(hitLine, true) + "}";
        WriteLine(out, line);
    }
}

void PrintResults(std::FILE* out, OutputFormat format, const SearchResults& results, int threads) {
    // Column padding belongs to the window's sort keys, not to printed
    // output: the printers take it off field by field.
    // CSV stays exact for the programs that read it, but not on a terminal,
    // where a name could drive the terminal.
    const bool terminalCsv = out == stdout && StdoutIsTerminal();
    results.Read([&](const RESULT_LIST& list, const FileResultsStore& store) {
        switch (format) {
            case OutputFormat::Table: PrintTable(out, list); break;
            case OutputFormat::Tsv: PrintTsv(out, list, threads); break;
            case OutputFormat::Csv:
                if (terminalCsv)
                    PrintDelimited(
                        out, list, ',',
                        [](std::string& line, std::string_view text) { line += CsvField(EscapeControlChars(text)); },
                        threads);
                else
                    PrintCsv(out, list, threads);
                break;
            case OutputFormat::Json: PrintJsonLines(out, list, store); break;
        }
    });
    std::fflush(out);
}

}  // namespace qf::cli
