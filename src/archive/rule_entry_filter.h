#pragma once
// The entry filter built from the run's own rules.

#include <ctime>
#include <functional>

#include "archive/entry_filter.h"
#include "engine/file_rules.h"
#include "engine/folder_rules.h"
#include "settings/options.h"
#include "textsearch/term_matching.h"

namespace qf {

class RuleEntryFilter : public ArchiveEntryFilter {
public:
    using FolderHitSink = std::function<void(const tagSelectedFileFolderStruct&)>;

    // Every reference must outlive the filter; `now` is the clock of the date rules.
    RuleEntryFilter(const Options& options, const TermMatcher& matcher, const FolderTermRules& folderRules,
                    const FileTermRules& fileRules, std::time_t now, FolderHitSink folderHits = {});

    bool AcceptFolderEntry(const std::string& name) override;
    // Type rule (with MATCHFILTY), date, time and size rules, folder TERM
    // rules on a non-empty folder part, file TERM rules: in this order.
    bool AcceptFileEntry(const std::string& folderPart, const std::string& fileName,
                         const WIN32_FIND_DATAA& entryData) override;
    void FolderEntryExtracted(const tagSelectedFileFolderStruct& folder) override;

private:
    const Options& options_;
    const TermMatcher& matcher_;
    const FolderTermRules& folderRules_;
    const FileTermRules& fileRules_;
    std::time_t now_;
    FolderHitSink folderHits_;
};

}  // namespace qf
