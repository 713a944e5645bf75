#include "textsearch/term_matching.h"

#include <algorithm>
#include <optional>

#include "platform/case_fold.h"
#include "platform/case_folding.h"
#include "platform/utf8_text.h"

namespace qf {
namespace {

// The delimiter name of a character: "space" for the blank, else the character.
std::string DelimiterName(char c) { return c == ' ' ? std::string("space") : std::string(1, c); }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The one character a delimiter key names beyond ASCII: a UTF-8 character,
// or one byte of a list written by the Windows version (Windows-1252).
std::optional<char32_t> OtherCharacter(std::string_view key) {
    if (key.size() == 1 && static_cast<unsigned char>(key[0]) >= 0x80)
        return Windows1252CodePoint(static_cast<unsigned char>(key[0]));
    const Utf8Char c = DecodeUtf8(key);
    if (c.length < 2 || c.length != key.size()) return std::nullopt;
    return c.codePoint;
}

// The character at byte pos; a byte that begins no sequence is one
// Windows-1252 character.
Utf8Char CharacterAt(std::string_view line, size_t pos) {
    const auto byte = static_cast<unsigned char>(line[pos]);
    if (byte < 0x80) return {byte, 1, false};
    const Utf8Char c = DecodeUtf8(line.substr(pos));
    if (c.length > 0) return c;
    return {Windows1252CodePoint(byte), 1, false};
}

// The character that ends just before byte end (end > 0).
char32_t CharacterBefore(std::string_view line, size_t end) {
    const auto last = static_cast<unsigned char>(line[end - 1]);
    if (last < 0x80) return last;
    for (size_t n = 2; n <= std::min(end, kUtf8MaxBytes); ++n) {
        const Utf8Char c = DecodeUtf8(line.substr(end - n, n));
        if (c.length == n) return c.codePoint;
    }
    return Windows1252CodePoint(last);
}

}  // namespace

TermMatcher TermMatcher::FromOptions(const Options& options) {
    TermMatcher m;
    m.caseSensitive = options.On(Opt::CASESENSIT);
    if (options.On(Opt::ALLWORDPRT))
        m.wholePart = WholePart::Both;
    else if (options.On(Opt::WHOLEWORDS))
        m.wholePart = WholePart::WholeOnly;
    else if (options.On(Opt::PARTSWORDS))
        m.wholePart = WholePart::PartOnly;
    else
        m.wholePart = WholePart::None;

    const bool useList = options.On(Opt::INCDELIMTS);
    const bool useOne = !useList && options.On(Opt::SELONEDELM);
    const OptionMap& included = options.Map(Opt::INCDELMMAP);
    const std::string& chosen = options.Text(Opt::SELONEDLMN);
    for (int i = 0; i < 128; ++i) {
        const std::string name = DelimiterName(char(i));
        if (useList)
            m.delimiter[size_t(i)] = included.count(CharLowerA(name)) > 0;
        else if (useOne)
            m.delimiter[size_t(i)] = name == chosen;
        else
            m.delimiter[size_t(i)] = true;
    }
    m.everyCharacterDelimits = !useList && !useOne;
    // Beyond ASCII a character is looked up as an ASCII one is: in the list
    // without regard to case; as the one chosen delimiter in comparison form.
    m.foldOtherDelimiters = useList || !m.caseSensitive;
    if (useList) {
        for (const auto& [key, count] : included)
            if (const auto c = OtherCharacter(key)) m.otherDelimiters.push_back(FoldCodePoint(*c));
    } else if (useOne) {
        if (const auto c = OtherCharacter(chosen)) m.otherDelimiters.push_back(m.foldOtherDelimiters ? FoldCodePoint(*c) : *c);
    }
    std::sort(m.otherDelimiters.begin(), m.otherDelimiters.end());
    return m;
}

std::string TermMatcher::ComparisonForm(std::string_view text) const { return ComparisonText(text, caseSensitive); }

long FindTerm(std::string_view line, std::string_view term, size_t start) {
    if (start > line.size()) return -1;
    const size_t p = line.find(term, start);
    return p == std::string_view::npos ? -1 : long(p);
}

bool IsDelimiter(const TermMatcher& matcher, char32_t c) {
    if (c < 0x80) return matcher.delimiter[c];
    if (matcher.everyCharacterDelimits) return true;
    const char32_t key = matcher.foldOtherDelimiters ? FoldCodePoint(c) : c;
    return std::binary_search(matcher.otherDelimiters.begin(), matcher.otherDelimiters.end(), key);
}

bool IsWholeOccurrence(const TermMatcher& m, std::string_view line, size_t pos, size_t length) {
    const size_t end = pos + length;  // one past the occurrence
    const bool atStart = pos == 0;
    const bool atEnd = end == line.size();
    if (atStart && atEnd) return true;

    // A number followed by "." or "," : that character belongs to the number.
    if (!atEnd && length > 0 && IsDigit(line[end - 1]) && (line[end] == '.' || line[end] == ',')) {
        const bool atEndPlusOne = end + 1 == line.size();
        const bool nextIsDelimiter = !atEndPlusOne && IsDelimiter(m, CharacterAt(line, end + 1).codePoint);
        if (atStart) return atEndPlusOne || nextIsDelimiter;
        return IsDelimiter(m, CharacterBefore(line, pos)) && (atEndPlusOne || nextIsDelimiter);
    }
    if (atStart) return IsDelimiter(m, CharacterAt(line, end).codePoint);
    if (atEnd) return IsDelimiter(m, CharacterBefore(line, pos));
    return IsDelimiter(m, CharacterBefore(line, pos)) && IsDelimiter(m, CharacterAt(line, end).codePoint);
}

bool AcceptHit(const TermMatcher& m, std::string_view line, size_t pos, size_t length) {
    switch (m.wholePart) {
        case WholePart::Both: return true;
        case WholePart::WholeOnly: return IsWholeOccurrence(m, line, pos, length);
        case WholePart::PartOnly: return !IsWholeOccurrence(m, line, pos, length);
        case WholePart::None: return false;
    }
    return false;
}

DEQUE_POSITIONS_IN_LINE CollectPositions(const TermMatcher& m, std::string_view line, std::string_view term) {
    DEQUE_POSITIONS_IN_LINE positions;
    if (term.empty()) return positions;
    for (long p = FindTerm(line, term, 0); p >= 0; p = FindTerm(line, term, size_t(p) + term.size()))
        if (AcceptHit(m, line, size_t(p), term.size())) positions.push_back(int32_t(p));
    return positions;
}

void ToCharacterPositions(MAP_TERM_POSITIONS& terms, std::string_view text) {
    for (auto& [term, positions] : terms) {
        size_t byte = 0;
        size_t chars = 0;
        for (int32_t& p : positions) {
            const size_t target = std::min(size_t(std::max(p, 0)), text.size());
            if (target < byte) byte = chars = 0;  // not ascending: count again
            while (byte < target) {
                const size_t run = FirstNonAscii(text.data() + byte, target - byte);
                byte += run;
                chars += run;
                if (byte == target) break;
                byte += Utf8CharBytes(text.substr(byte));
                ++chars;
            }
            p = int32_t(chars);
        }
    }
}

void ToCharacterSpans(MAP_TERM_POSITIONS& terms, MAP_TERM_LENGTHS& lengths, std::string_view text) {
    // Each length becomes the hit's end, counted like a position, then a length again.
    for (auto& [term, ends] : lengths) {
        const auto starts = terms.find(term);
        if (starts == terms.end()) continue;
        for (size_t i = 0; i < ends.size() && i < starts->second.size(); ++i) ends[i] += starts->second[i];
    }
    ToCharacterPositions(terms, text);
    ToCharacterPositions(lengths, text);
    for (auto& [term, ends] : lengths) {
        const auto starts = terms.find(term);
        if (starts == terms.end()) continue;
        for (size_t i = 0; i < ends.size() && i < starts->second.size(); ++i)
            ends[i] = std::max(0, ends[i] - starts->second[i]);
    }
}

}  // namespace qf
