#pragma once
// Counters of one search run, written by the worker and read by the windows.

#include <atomic>
#include <cstdint>

namespace qf {

struct RunCounters {
    std::atomic<int64_t> nResultLines{0};   // result lines made so far
    std::atomic<int64_t> nResultFiles{0};   // files and folders with at least one result
    std::atomic<int64_t> nBinarySkipped{0}; // files kept out of the content phase by type
    std::atomic<int64_t> nFoldersExamined{0};  // folders processed by the run
    std::atomic<int64_t> nFilesExamined{0};    // listed files that passed the name or type rule

    // Unzip and conversion, shown in the statistics and printed in the final logs.
    std::atomic<int64_t> nZipExamined{0};   // archives met
    std::atomic<int64_t> nZipUnzipped{0};   // archives opened
    std::atomic<int64_t> nZipFailed{0};     // archives that could not be opened
    std::atomic<int64_t> nWordExamined{0};
    std::atomic<int64_t> nWordConverted{0};
    std::atomic<int64_t> nWordFailed{0};
    std::atomic<int64_t> nPdfExamined{0};
    std::atomic<int64_t> nPdfConverted{0};
    std::atomic<int64_t> nPdfFailed{0};
    // Office, OpenDocument and RTF documents read by the program itself.
    std::atomic<int64_t> nOfficeExamined{0};
    std::atomic<int64_t> nOfficeConverted{0};
    std::atomic<int64_t> nOfficeFailed{0};

    void Reset() {
        nResultLines = 0;
        nResultFiles = 0;
        nBinarySkipped = 0;
        nFoldersExamined = 0;
        nFilesExamined = 0;
        nZipExamined = 0;
        nZipUnzipped = 0;
        nZipFailed = 0;
        nWordExamined = 0;
        nWordConverted = 0;
        nWordFailed = 0;
        nPdfExamined = 0;
        nPdfConverted = 0;
        nPdfFailed = 0;
        nOfficeExamined = 0;
        nOfficeConverted = 0;
        nOfficeFailed = 0;
    }
};

}  // namespace qf
