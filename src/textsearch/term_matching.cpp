#include "textsearch/term_matching.h"

#include "platform/case_fold.h"

namespace qf {
namespace {

// The delimiter name of a character: "space" for the blank, else the character.
std::string DelimiterName(char c) { return c == ' ' ? std::string("space") : std::string(1, c); }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

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
    for (int i = 0; i < 256; ++i) {
        const std::string name = DelimiterName(char(i));
        if (useList)
            m.delimiter[size_t(i)] = included.count(CharLowerA(name)) > 0;
        else if (useOne)
            m.delimiter[size_t(i)] = name == chosen;
        else
            m.delimiter[size_t(i)] = true;
    }
    return m;
}

std::string TermMatcher::ComparisonForm(std::string_view text) const {
    std::string out(text);
    ToComparisonForm(out);
    return out;
}

void TermMatcher::ToComparisonForm(std::string& text) const {
    if (caseSensitive) return;
    for (char& c : text) c = AsciiLower(c);
}

long FindTerm(std::string_view line, std::string_view term, size_t start) {
    if (start > line.size()) return -1;
    const size_t p = line.find(term, start);
    return p == std::string_view::npos ? -1 : long(p);
}

bool IsDelimiter(const TermMatcher& matcher, char c) { return matcher.delimiter[static_cast<unsigned char>(c)]; }

bool IsWholeOccurrence(const TermMatcher& m, std::string_view line, size_t pos, size_t length) {
    const size_t end = pos + length;  // one past the occurrence
    const bool atStart = pos == 0;
    const bool atEnd = end == line.size();
    if (atStart && atEnd) return true;

    // A number followed by "." or "," : that character belongs to the number.
    if (!atEnd && length > 0 && IsDigit(line[end - 1]) && (line[end] == '.' || line[end] == ',')) {
        const bool atEndPlusOne = end + 1 == line.size();
        const bool nextIsDelimiter = !atEndPlusOne && IsDelimiter(m, line[end + 1]);
        if (atStart) return atEndPlusOne || nextIsDelimiter;
        return IsDelimiter(m, line[pos - 1]) && (atEndPlusOne || nextIsDelimiter);
    }
    if (atStart) return IsDelimiter(m, line[end]);
    if (atEnd) return IsDelimiter(m, line[pos - 1]);
    return IsDelimiter(m, line[pos - 1]) && IsDelimiter(m, line[end]);
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

}  // namespace qf
