#pragma once
// The comment rule: where a term's hits lie relative to a comment string in
// the line decides whether the line counts for that term.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "settings/options.h"

namespace qf {

enum class CommentShow { All, HideCommented, OnlyBoth, OnlyCommented };

struct CommentRule {
    bool active = false;                  // CHECKCOMMT
    CommentShow show = CommentShow::All;
    std::vector<std::string> strings;     // in ascending string order

    static CommentRule FromOptions(const Options& options);

    // 0: no comment string; 1: every hit inside the comment; 2: no hit
    // inside; 3: hits on both sides. first/last: the term's first and last position.
    int Class(std::string_view foldedLine, int32_t first, int32_t last) const;

    // Whether a term with hits from first to last counts in this line.
    bool Accepts(std::string_view foldedLine, int32_t first, int32_t last) const;
    // The same for a line not held whole: firstAt[i] is where strings[i]
    // first occurs in it, or -1.
    bool AcceptsAt(const std::vector<int64_t>& firstAt, int64_t first, int64_t last) const;
    // Whether the rule needs to know where the comment strings are.
    bool Decides() const { return active && show != CommentShow::All; }

private:
    bool AcceptsClass(int cls) const;
};

// The class of one comment string.
int CommentClassOf(std::string_view foldedLine, std::string_view comment, int32_t first, int32_t last);
// The class of a comment string that first occurs at c (-1: not in the line).
int CommentClassAt(int64_t c, int64_t first, int64_t last);

}  // namespace qf
