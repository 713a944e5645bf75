#pragma once
// Where the terms were found: positions per term in one line, and the hit
// lines of one file.

#include <cstddef>
#include <cstdint>
#include <vector>
#include <map>
#include <string>

namespace qf {

// Ascending 0-based offsets of one term's accepted hits in one line, counted
// in characters of the line as stored (UTF-8; a byte that begins no sequence
// is one character).
// A vector: most lines hold a term once or a few times, and a deque would
// make a block of 512 bytes for the first.
using DEQUE_POSITIONS_IN_LINE = std::vector<int32_t>;
// Term (comparison form) to its positions; only terms accepted in the line.
using MAP_TERM_POSITIONS = std::map<std::string, DEQUE_POSITIONS_IN_LINE>;
// Term to the lengths of its hits, one beside each position, in characters.
// Only a term that is a pattern has them: a literal hit is as long as its term.
using MAP_TERM_LENGTHS = std::map<std::string, DEQUE_POSITIONS_IN_LINE>;

struct tagStructLineAndPositions {
    std::string sLineText;               // as read, original case, no line end
    MAP_TERM_POSITIONS mapTermPositions;
    MAP_TERM_LENGTHS mapTermLengths;     // empty unless the terms are patterns
    bool operator==(const tagStructLineAndPositions&) const = default;
};

// 1-based line number to the hit line.
using MAP_LINES_WITH_HITS = std::map<uint32_t, tagStructLineAndPositions>;
// Term to the number of hit lines that hold it.
using MAP_HITS = std::map<std::string, int32_t>;

inline MAP_HITS CountHits(const MAP_LINES_WITH_HITS& lines) {
    MAP_HITS hits;
    for (const auto& [number, line] : lines)
        for (const auto& [term, positions] : line.mapTermPositions) ++hits[term];
    return hits;
}

// The length in characters of hit i of a term: the match's own when it was
// recorded, else the term's (termLength).
inline size_t HitLength(const MAP_TERM_LENGTHS& lengths, const std::string& term, size_t i, size_t termLength) {
    const auto it = lengths.find(term);
    if (it == lengths.end() || i >= it->second.size() || it->second[i] < 0) return termLength;
    return size_t(it->second[i]);
}

// The smallest hit position of a line, or -1 when it has none.
inline int32_t FirstHitPosition(const MAP_TERM_POSITIONS& terms) {
    int32_t first = -1;
    for (const auto& [term, positions] : terms)
        if (!positions.empty() && (first < 0 || positions.front() < first)) first = positions.front();
    return first;
}

}  // namespace qf
