#pragma once
// Text with coloured hits, for the preview area and the record view.

#include <QColor>
#include <string>
#include <vector>

#include "results/hit_types.h"

class QTextEdit;

namespace qf::shell {

// A hit to colour: byte range of the UTF-8 text and the term's colour index.
struct HitRange {
    size_t start = 0;
    size_t length = 0;
    int colour = 0;
};

struct HitText {
    std::string text;
    std::vector<HitRange> hits;
};

// Red, green, blue, cyan, magenta, yellow: the term at position i gets i mod 6.
QColor TermColour(int index);

// The ranges of one line's recorded hits, shifted by `offset` bytes into the
// shown text. Terms are given in their comparison form, in query order; hits
// beyond `limit` bytes of the line are left out.
void AddLineHits(const MAP_TERM_POSITIONS& positions, const std::vector<std::string>& terms, size_t offset,
                 size_t limit, std::vector<HitRange>& hits);

// The query's terms in comparison form (lower case unless case-sensitive).
std::vector<std::string> ComparisonTerms(const std::vector<std::string>& terms, bool caseSensitive);

// Sets the text, colours the hits (only the colour changes) and makes the edit read-only.
void ShowHitText(QTextEdit& edit, const HitText& content);

}  // namespace qf::shell

namespace qf::shell {
// The same as HTML for a label: escaped text with coloured spans.
QString HitHtml(const HitText& content);
}  // namespace qf::shell
