#include "engine/archive_steps.h"

#include "archive/final_log.h"
#include "archive/zip_name_match.h"
#include "engine/name_hits.h"
#include "engine/run_context.h"
#include "platform/folder_ops.h"
#include "results/result_kind.h"

namespace qf {

ArchiveSteps::ArchiveSteps(RunContext& context)
    : context_(context),
      folders_(SearchFoldersOf(context.options, context.session.AppHome())),
      filter_(context.options, context.query.matcher, context.folderRules, context.fileRules, context.now,
              [this](const tagSelectedFileFolderStruct& folder) {
                  // A folder entry of an archive, matched as a folder name.
                  if (auto hit = MatchNameHit(context_.query, folder.fileName, kKindFolderName, folder))
                      context_.selected.push_back(std::move(*hit));
              }),
      unzip_{context.options, context.session.counters, context.session.bStopRequest, folders_.logFolder,
             folders_.zipWorkFolder, context.observer, context.messages, filter_},
      conversion_{context.session.AppHome(), folders_.wordWorkFolder, folders_.pdfWorkFolder, folders_.logFolder,
                  context.session.counters, context.observer, context.messages, folders_.officeWorkFolder,
                  context.options.On(Opt::CONVOFFICE),
                  &context.session.bStopRequest, context.options.Int(Opt::CONVTIMELM)} {
    // Half the free space at most: a search never fills the disk with archives.
    unzip_.budget = ExtractionBudget(
        SearchBudgetBytes(context.options.Int(Opt::ZIPBUDGETM), FreeDiskSpace(folders_.zipWorkFolder)));
}

void ArchiveSteps::Convert(tagSelectedFileFolderStruct& file) { ConvertSelectedFile(conversion_, file); }

void ArchiveSteps::Unzip(const tagSelectedFileFolderStruct& archive) {
    if (auto folder = UnzipArchive(unzip_, archive)) context_.session.archiveFolderQueue.push_back(std::move(*folder));
}

void ArchiveSteps::FillColumns(const _Folder_Struct& folder, tagSelectedFileFolderStruct& file) {
    columns_.Fill(folder, file);
}

void ArchiveSteps::WriteFinalLogs(const SYSTEMTIME& start, const SYSTEMTIME& end) {
    qf::WriteFinalLogs(context_.messages, folders_.logFolder, context_.session.counters, start, end,
                       conversion_.officeDocs);
}

bool ArchiveSteps::MatchesZipName(const Options& options, const std::string& fileName) {
    return MatchesZipPatterns(options.List(Opt::ZFILENAMES), fileName);
}

}  // namespace qf
