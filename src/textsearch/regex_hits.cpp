#include "textsearch/regex_hits.h"

#include "textsearch/term_matching.h"

namespace qf {

RegexFind CollectMatches(const QueryContext& query, size_t entry, std::string_view text, RegexMatchData& scratch,
                         RegexHits& out, size_t from, size_t before, bool notStart, bool notEnd,
                         size_t* next) {
    size_t ignored = 0;
    size_t& resume = next ? *next : ignored;
    for (;;) {
        resume = from;
        if (from > text.size()) return RegexFind::None;
        size_t start = 0;
        size_t length = 0;
        const RegexFind found = query.regex->Find(entry, text, from, scratch, start, length, notStart, notEnd);
        if (found != RegexFind::Found) return found;
        if (start >= before) {
            resume = start;
            return RegexFind::None;
        }
        if (AcceptHit(query.matcher, text, start, length)) {
            out.starts.push_back(int32_t(start));
            out.lengths.push_back(int32_t(length));
        }
        from = start + length;
        if (length == 0) {
            // An empty match: the next one begins at the next character.
            ++from;
            while (from < text.size() && (static_cast<unsigned char>(text[from]) & 0xC0) == 0x80) ++from;
        }
    }
}

bool CollectRegexHits(const QueryContext& query, const CommentRule& comments, RegexMatchData& scratch,
                      std::string_view folded, MAP_TERM_POSITIONS& terms, MAP_TERM_LENGTHS& lengths) {
    if (!query.regex) return true;
    RegexHits hits;
    for (size_t entry = 0; entry < query.regex->Size(); ++entry) {
        const std::string& key = query.foldedTerms[entry];
        if (terms.count(key) > 0) continue;  // a repeated term finds the same hits
        // A line without the literal a pattern requires cannot match it.
        const std::string& literal = query.regex->RequiredLiteral(entry);
        if (!literal.empty() && folded.find(literal) == std::string_view::npos) continue;
        hits.clear();
        if (CollectMatches(query, entry, folded, scratch, hits) == RegexFind::Limit) {
            terms.clear();
            lengths.clear();
            return false;
        }
        if (hits.starts.empty() || !comments.Accepts(folded, hits.starts.front(), hits.starts.back())) continue;
        terms.emplace(key, DEQUE_POSITIONS_IN_LINE(hits.starts.begin(), hits.starts.end()));
        lengths.emplace(key, DEQUE_POSITIONS_IN_LINE(hits.lengths.begin(), hits.lengths.end()));
    }
    return true;
}

void CollectRegexNameHits(const QueryContext& query, std::string_view folded, MAP_TERM_POSITIONS& terms,
                          MAP_TERM_LENGTHS& lengths) {
    if (!query.regex) return;
    RegexMatchData scratch = query.regex->MakeMatchData();
    RegexHits hits;
    for (size_t entry = 0; entry < query.regex->Size(); ++entry) {
        hits.clear();
        if (CollectMatches(query, entry, folded, scratch, hits) == RegexFind::Limit || hits.starts.empty()) continue;
        terms[query.foldedTerms[entry]] = DEQUE_POSITIONS_IN_LINE(hits.starts.begin(), hits.starts.end());
        lengths[query.foldedTerms[entry]] = DEQUE_POSITIONS_IN_LINE(hits.lengths.begin(), hits.lengths.end());
    }
}

std::vector<std::string> RegexSkipLiterals(const QueryContext& query) {
    std::vector<std::string> literals;
    if (!query.regex) return literals;
    for (size_t entry = 0; entry < query.regex->Size(); ++entry) {
        if (query.regex->RequiredLiteral(entry).empty()) return {};
        literals.push_back(query.regex->RequiredLiteral(entry));
    }
    return literals;
}

}  // namespace qf
