#include "textsearch/boolean_tokens.h"

#include "platform/case_fold.h"
#include "textsearch/query_terms.h"

namespace qf {
namespace {

std::string_view TrimSpaces(std::string_view s) {
    const size_t first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

bool IsBlankOnly(std::string_view s) { return s.find_first_not_of(" \t\r\n\v\f") == std::string_view::npos; }

_BoolStruct Token(std::string_view text, int32_t kind) {
    _BoolStruct t;
    t.sText = std::string(text);
    t.sShown = t.sText;
    t.nKind = kind;
    return t;
}

// The segments between the marks, each with whether it is a phrase.
struct Segment {
    std::string_view text;
    bool phrase;
};

std::vector<Segment> Segments(std::string_view text, std::string_view mark) {
    std::vector<size_t> p{0};
    const std::vector<size_t> marks = PhraseMarkPositions(text, mark);
    p.insert(p.end(), marks.begin(), marks.end());
    p.push_back(text.size());
    std::vector<Segment> segments;
    for (size_t i = 0; i + 1 < p.size(); ++i) {
        const size_t begin = i == 0 ? 0 : std::min(p[i] + mark.size(), p[i + 1]);
        segments.push_back({text.substr(begin, p[i + 1] - begin), i % 2 == 1});
    }
    return segments;
}

// Replaces each unclassified token by its pieces around every occurrence of
// separator, which becomes a token of kind.
BOOL_STRUCT SplitWordsAt(const BOOL_STRUCT& tokens, std::string_view separator, int32_t kind, bool upperCase) {
    BOOL_STRUCT out;
    for (const _BoolStruct& token : tokens) {
        if (token.nKind != kTokenWord) {
            out.push_back(token);
            continue;
        }
        const std::string find = upperCase ? CharUpperA(token.sText) : token.sText;
        size_t from = 0;
        for (size_t at = find.find(separator); ; at = find.find(separator, from)) {
            const std::string_view piece =
                std::string_view(token.sText).substr(from, (at == std::string::npos ? find.size() : at) - from);
            if (!IsBlankOnly(piece)) out.push_back(Token(piece, kTokenWord));
            if (at == std::string::npos) break;
            out.push_back(Token(separator, kind));
            from = at + separator.size();
        }
    }
    return out;
}

}  // namespace

std::vector<size_t> PhraseMarkPositions(std::string_view text, std::string_view mark) {
    std::vector<size_t> positions;
    if (mark.empty()) return positions;
    for (size_t p = text.find(mark); p != std::string_view::npos; p = text.find(mark, p + 1)) positions.push_back(p);
    return positions;
}

bool HasEmptyPhrase(std::string_view text, std::string_view mark) {
    for (const Segment& s : Segments(text, mark))
        if (s.phrase && TrimSpaces(s.text).empty()) return true;
    return false;
}

BOOL_STRUCT TokenizeBooleanQuery(std::string_view text, std::string_view mark) {
    BOOL_STRUCT tokens;
    for (const Segment& s : Segments(text, mark)) {
        if (s.phrase) {
            _BoolStruct phrase = Token(TrimSpaces(s.text), kTokenArgument);
            phrase.sShown = std::string(mark) + std::string(s.text) + std::string(mark);
            tokens.push_back(std::move(phrase));
            continue;
        }
        std::vector<std::string> words;
        SplitWords(s.text, words);
        for (const std::string& w : words) tokens.push_back(Token(w, kTokenWord));
    }
    tokens = SplitWordsAt(tokens, "(", kTokenLeft, false);
    tokens = SplitWordsAt(tokens, ")", kTokenRight, false);
    for (std::string_view op : kWritableOperators) tokens = SplitWordsAt(tokens, op, kTokenOperator, true);
    return tokens;
}

}  // namespace qf
