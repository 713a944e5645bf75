#include "textsearch/comment_rule.h"

#include "platform/case_folding.h"

namespace qf {

CommentRule CommentRule::FromOptions(const Options& options) {
    CommentRule rule;
    rule.active = options.On(Opt::CHECKCOMMT);
    if (!rule.active) return rule;
    if (options.On(Opt::NOTSHCMMNT))
        rule.show = CommentShow::HideCommented;
    else if (options.On(Opt::BOTHCMMNTS))
        rule.show = CommentShow::OnlyBoth;
    else if (options.On(Opt::ONLYSCMMNT))
        rule.show = CommentShow::OnlyCommented;
    // Looked for in the comparison form of a line: folded like it.
    const bool caseSensitive = options.On(Opt::CASESENSIT);
    if (options.On(Opt::INCCOMCHAR)) {
        for (const auto& [key, count] : options.Map(Opt::INCCOMMMAP))
            rule.strings.push_back(ComparisonText(key, caseSensitive));
    } else if (options.On(Opt::ONECOMCHAR)) {
        rule.strings.push_back(ComparisonText(options.Text(Opt::SELONECHAR), caseSensitive));
    }
    return rule;
}

int CommentClassOf(std::string_view foldedLine, std::string_view comment, int32_t first, int32_t last) {
    // An empty comment string would be "found" at the start of every line.
    if (comment.empty()) return 0;
    const size_t c = foldedLine.find(comment);
    return CommentClassAt(c == std::string_view::npos ? -1 : int64_t(c), first, last);
}

int CommentClassAt(int64_t c, int64_t first, int64_t last) {
    if (c < 0) return 0;
    if (c < first) return 1;
    if (c > last) return 2;
    return 3;
}

int CommentRule::Class(std::string_view foldedLine, int32_t first, int32_t last) const {
    for (const std::string& comment : strings) {
        const int cls = CommentClassOf(foldedLine, comment, first, last);
        if (cls != 0) return cls;
    }
    return 0;
}

bool CommentRule::Accepts(std::string_view foldedLine, int32_t first, int32_t last) const {
    return !Decides() || AcceptsClass(Class(foldedLine, first, last));
}

bool CommentRule::AcceptsAt(const std::vector<int64_t>& firstAt, int64_t first, int64_t last) const {
    if (!Decides()) return true;
    int cls = 0;
    for (size_t i = 0; i < strings.size() && i < firstAt.size() && cls == 0; ++i)
        if (!strings[i].empty()) cls = CommentClassAt(firstAt[i], first, last);
    return AcceptsClass(cls);
}

bool CommentRule::AcceptsClass(int cls) const {
    switch (show) {
        case CommentShow::HideCommented: return cls != 1;
        case CommentShow::OnlyBoth: return cls == 3;
        case CommentShow::OnlyCommented: return cls == 1;
        case CommentShow::All: break;
    }
    return true;
}

}  // namespace qf
