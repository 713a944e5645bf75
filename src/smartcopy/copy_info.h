#pragma once
// What a smart copy can copy: the result files and the converted texts of
// the last search, with their totals.

#include <cstdint>
#include <set>
#include <string>

#include "results/result_store.h"

namespace qf {

// Every path a copy would take, found on disk or not.
struct CopySources {
    std::set<std::string> results;
    std::set<std::string> word;   // converted texts of Word documents
    std::set<std::string> pdf;    // converted texts of PDF documents
    std::set<std::string> office; // texts of Office, OpenDocument and RTF documents; copied with the Word texts
    std::set<std::string> unzip;  // extracted copies; never copied, but counted for space
};

struct _OsszCopyInfo_Struct {
    int32_t nResultCount = 0;
    uint64_t llResultBytes = 0;
    int32_t nWordCount = 0;
    uint64_t llWordBytes = 0;
    int32_t nPdfCount = 0;
    uint64_t llPdfBytes = 0;
    int32_t nUnzipCount = 0;
    uint64_t llUnzipBytes = 0;
    std::set<std::string> setResultFiles;
    std::set<std::string> setWordFiles;
    std::set<std::string> setPdfFiles;
    std::set<std::string> setUnzipFiles;
    int32_t nOfficeCount = 0;
    uint64_t llOfficeBytes = 0;
    std::set<std::string> setOfficeFiles;
};

// The files of the per-file store: each result file once (folder-name
// results are folders and are left out), and the converted text of each
// converted document by the document's type ("DOC", "PDF" or an Office type,
// any case).
CopySources CopySourcesOf(const FileResultsStore& store);

// Counts the sources that exist as regular files, with their sizes.
_OsszCopyInfo_Struct ComputeCopyInfo(const CopySources& sources);

// The byte totals together: the free space a copy needs.
uint64_t TotalCopyBytes(const _OsszCopyInfo_Struct& info);

}  // namespace qf
