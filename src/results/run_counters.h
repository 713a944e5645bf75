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

    void Reset() {
        nResultLines = 0;
        nResultFiles = 0;
        nBinarySkipped = 0;
        nFoldersExamined = 0;
        nFilesExamined = 0;
    }
};

}  // namespace qf
