#include "engine/folder_rules.h"

namespace qf {

IgnoredFolderSet MakeIgnoredFolderSet(const Options& options) {
    const OptionList& list = options.List(Opt::IGNDIRECTS);
    return IgnoredFolderSet(list.begin(), list.end());
}

bool IsIgnoredFolder(const IgnoredFolderSet& ignored, std::string_view path) {
    return ignored.find(path) != ignored.end();
}

FolderTermRules MakeFolderTermRules(const Options& options, const TermMatcher& matcher, UserMessages& messages) {
    const std::string& mark = options.Text(Opt::SEPARATORH);
    FolderTermRules rules;
    rules.include = MakeTermRule(options.On(Opt::FOLDSTRCHK), options.Text(Opt::FOLDCRITER), mark, matcher, messages);
    rules.exclude = MakeTermRule(options.On(Opt::FOLDESTRCH), options.Text(Opt::FOLDECRITE), mark, matcher, messages);
    return rules;
}

bool FolderTakesPart(const FolderTermRules& rules, const TermMatcher& matcher, std::string_view name) {
    return TermRulesPass(rules.include, rules.exclude, matcher, name);
}

bool LiesInWindowsFolder(std::string_view path) {
    if (path.size() < 10) return false;
    std::string key(path.substr(0, 2));
    key.append(path.substr(3, 7));
    return key == "C:WINDOWS";
}

}  // namespace qf
