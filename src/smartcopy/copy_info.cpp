#include "smartcopy/copy_info.h"

#include "documents/document_kind.h"
#include "platform/case_fold.h"
#include "platform/file_info.h"
#include "platform/paths.h"
#include "results/result_kind.h"

namespace qf {
namespace {

void CountExisting(const std::set<std::string>& paths, int32_t& count, uint64_t& bytes, std::set<std::string>& found) {
    for (const std::string& path : paths) {
        WIN32_FIND_DATAA data;
        if (!GetFindData(path, data) || data.IsFolder()) continue;
        ++count;
        bytes += data.nFileSize;
        found.insert(path);
    }
}

bool IsFolderKind(int kind) { return kind == kKindFolderName || kind == kKindNotFolderName; }

}  // namespace

CopySources CopySourcesOf(const FileResultsStore& store) {
    CopySources sources;
    for (const auto& [path, file] : store) {
        if (!IsFolderKind(file.resultKind)) sources.results.insert(path);
        if (!file.convertedFullPath.empty()) {
            // The document's own type; the converted extension is always "txt".
            const std::string type = CharUpperA(file.extension);
            if (type == "DOC") sources.word.insert(file.convertedFullPath);
            else if (type == "PDF") sources.pdf.insert(file.convertedFullPath);
            else if (DocumentKindOf(type) != DocumentKind::None) sources.office.insert(file.convertedFullPath);
        }
        if (!file.unzippedFolder.empty()) sources.unzip.insert(JoinPath(file.unzippedFolder, file.unzippedFileName));
    }
    return sources;
}

_OsszCopyInfo_Struct ComputeCopyInfo(const CopySources& sources) {
    _OsszCopyInfo_Struct info;
    CountExisting(sources.results, info.nResultCount, info.llResultBytes, info.setResultFiles);
    CountExisting(sources.word, info.nWordCount, info.llWordBytes, info.setWordFiles);
    CountExisting(sources.pdf, info.nPdfCount, info.llPdfBytes, info.setPdfFiles);
    CountExisting(sources.unzip, info.nUnzipCount, info.llUnzipBytes, info.setUnzipFiles);
    CountExisting(sources.office, info.nOfficeCount, info.llOfficeBytes, info.setOfficeFiles);
    return info;
}

uint64_t TotalCopyBytes(const _OsszCopyInfo_Struct& info) {
    return info.llResultBytes + info.llWordBytes + info.llPdfBytes + info.llUnzipBytes + info.llOfficeBytes;
}

}  // namespace qf
