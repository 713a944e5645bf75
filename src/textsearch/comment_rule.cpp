#include "textsearch/comment_rule.h"

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
    if (options.On(Opt::INCCOMCHAR)) {
        for (const auto& [key, count] : options.Map(Opt::INCCOMMMAP)) rule.strings.push_back(key);
    } else if (options.On(Opt::ONECOMCHAR)) {
        rule.strings.push_back(options.Text(Opt::SELONECHAR));
    }
    return rule;
}

int CommentClassOf(std::string_view foldedLine, std::string_view comment, int32_t first, int32_t last) {
    // An empty comment string would be "found" at the start of every line.
    if (comment.empty()) return 0;
    const size_t c = foldedLine.find(comment);
    if (c == std::string_view::npos) return 0;
    if (int64_t(c) < first) return 1;
    if (int64_t(c) > last) return 2;
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
    if (!active || show == CommentShow::All) return true;
    const int cls = Class(foldedLine, first, last);
    switch (show) {
        case CommentShow::HideCommented: return cls != 1;
        case CommentShow::OnlyBoth: return cls == 3;
        case CommentShow::OnlyCommented: return cls == 1;
        case CommentShow::All: break;
    }
    return true;
}

}  // namespace qf
