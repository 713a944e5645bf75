#pragma once
// Which listed files take part: the name rule, the type rule, the file TERM
// rules, and the types never read as text.

#include <string_view>

#include "engine/term_rule.h"
#include "settings/options.h"

namespace qf {

// Name rule (MATCHFILNA) or type rule (MATCHFILTY) for a file listed by
// `pattern`; a "zip" file bypasses both.
bool NameOrTypeRulePasses(const Options& options, std::string_view pattern, std::string_view extension);

// The name rule alone: without a "*" in the pattern's extension, the file's
// extension must be exactly as long.
bool NameRulePasses(std::string_view pattern, std::string_view extension);

// The type rule alone, on the lowered extension.
bool TypeRulePasses(const Options& options, std::string_view extension);

struct FileTermRules {
    TermRule include;  // FILEISTRCH, FILEICRITE
    TermRule exclude;  // FILEESTRCH, FILEECRITE
};

FileTermRules MakeFileTermRules(const Options& options, const TermMatcher& matcher, UserMessages& messages);

// The TERM rules on the whole file name; a "zip" file bypasses them.
bool FileTermRulesPass(const FileTermRules& rules, const TermMatcher& matcher, std::string_view fileName,
                       std::string_view extension);

// True for a type whose content is never read (the binary list, lowered),
// except a document type read through its text while CONVOFFICE is on.
bool IsBinaryType(const Options& options, std::string_view extension);

}  // namespace qf
