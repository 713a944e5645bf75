#include "engine/file_rules.h"

#include "documents/document_kind.h"
#include "engine/file_extension.h"
#include "platform/case_fold.h"

namespace qf {
namespace {

bool InMap(const OptionMap& map, const std::string& key) { return map.find(key) != map.end(); }

}  // namespace

bool NameRulePasses(std::string_view pattern, std::string_view extension) {
    // A pattern without an extension ("*", "README") has no length to hold
    // the file to; matching it is the listing's job.
    const std::string patternExt = ExtensionOfName(pattern);
    if (patternExt == kNoExtension) return true;
    if (patternExt.find('*') != std::string::npos) return true;
    return extension.size() == patternExt.size();
}

bool TypeRulePasses(const Options& options, std::string_view extension) {
    if (options.On(Opt::ALLFILETPS)) return true;
    const std::string type = CharLowerA(extension);
    if (options.On(Opt::EXCFILETPS)) return !InMap(options.Map(Opt::EXCFILEMAP), type);
    if (options.On(Opt::INCFILETPS)) return InMap(options.Map(Opt::INCFILEMAP), type);
    if (options.On(Opt::SELONEFLTS)) return type == CharLowerA(options.Text(Opt::SELONEFILE));
    return true;
}

bool NameOrTypeRulePasses(const Options& options, std::string_view pattern, std::string_view extension) {
    if (IsZipExtension(extension)) return true;
    if (options.On(Opt::MATCHFILNA) && !NameRulePasses(pattern, extension)) return false;
    if (options.On(Opt::MATCHFILTY) && !TypeRulePasses(options, extension)) return false;
    return true;
}

FileTermRules MakeFileTermRules(const Options& options, const TermMatcher& matcher, UserMessages& messages) {
    const std::string& mark = options.Text(Opt::SEPARATORH);
    FileTermRules rules;
    rules.include = MakeTermRule(options.On(Opt::FILEISTRCH), options.Text(Opt::FILEICRITE), mark, matcher, messages);
    rules.exclude = MakeTermRule(options.On(Opt::FILEESTRCH), options.Text(Opt::FILEECRITE), mark, matcher, messages);
    return rules;
}

bool FileTermRulesPass(const FileTermRules& rules, const TermMatcher& matcher, std::string_view fileName,
                       std::string_view extension) {
    if (IsZipExtension(extension)) return true;
    return TermRulesPass(rules.include, rules.exclude, matcher, fileName);
}

bool IsBinaryType(const Options& options, std::string_view extension) {
    // A document type the program reads itself is searched through its text.
    if (options.On(Opt::CONVOFFICE) && DocumentKindOf(extension) != DocumentKind::None) return false;
    return InMap(options.binaryFileTypes, CharLowerA(extension));
}

}  // namespace qf
