#pragma once
// The unzip and document-conversion steps of one run, set up at its start
// from the run's own rules and folders.

#include <memory>

#include "archive/archive_columns.h"
#include "archive/document_conversion.h"
#include "archive/rule_entry_filter.h"
#include "archive/search_folders.h"
#include "archive/unzip_archive.h"
#include "engine/folder_struct.h"
#include "results/selected_file.h"

namespace qf {

struct RunContext;

class ArchiveSteps {
public:
    // Reads the run's options, rules and folders; `context` must outlive it.
    explicit ArchiveSteps(RunContext& context);

    // A Word, PDF or (with CONVOFFICE) Office document of the content search gets its text file.
    void Convert(tagSelectedFileFolderStruct& file);
    // A "zip" file listed in ZIP mode: unzipped, its folder queued to be searched next.
    void Unzip(const tagSelectedFileFolderStruct& archive);
    // The archive columns of a file found in an extraction folder.
    void FillColumns(const _Folder_Struct& folder, tagSelectedFileFolderStruct& file);
    // The final PDF, Word, ZIP and Office logs, the run's last step.
    void WriteFinalLogs(const SYSTEMTIME& start, const SYSTEMTIME& end);

    static bool MatchesZipName(const Options& options, const std::string& fileName);

private:
    RunContext& context_;
    SearchFolders folders_;
    RuleEntryFilter filter_;
    UnzipContext unzip_;
    ConversionContext conversion_;
    ArchiveColumnFiller columns_;
};

}  // namespace qf
