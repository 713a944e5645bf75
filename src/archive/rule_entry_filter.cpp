#include "archive/rule_entry_filter.h"

#include "engine/file_extension.h"
#include "engine/file_passes.h"
#include "platform/case_fold.h"

namespace qf {

RuleEntryFilter::RuleEntryFilter(const Options& options, const TermMatcher& matcher,
                                 const FolderTermRules& folderRules, const FileTermRules& fileRules, std::time_t now,
                                 FolderHitSink folderHits)
    : options_(options),
      matcher_(matcher),
      folderRules_(folderRules),
      fileRules_(fileRules),
      now_(now),
      folderHits_(std::move(folderHits)) {}

bool RuleEntryFilter::AcceptFolderEntry(const std::string& name) {
    return FolderTakesPart(folderRules_, matcher_, name);
}

bool RuleEntryFilter::AcceptFileEntry(const std::string& folderPart, const std::string& fileName,
                                      const WIN32_FIND_DATAA& entryData) {
    const std::string extension = CharLowerA(ExtensionOfName(fileName));
    if (options_.On(Opt::MATCHFILTY) && !TypeRulePasses(options_, extension)) return false;
    if (!FilePasses(options_, entryData, now_)) return false;
    if (!folderPart.empty() && !FolderTakesPart(folderRules_, matcher_, folderPart)) return false;
    return FileTermRulesPass(fileRules_, matcher_, fileName, extension);
}

void RuleEntryFilter::FolderEntryExtracted(const tagSelectedFileFolderStruct& folder) {
    if (folderHits_) folderHits_(folder);
}

}  // namespace qf
