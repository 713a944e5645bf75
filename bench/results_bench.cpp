// Sorting and grouping at the display limit: 10,000 result records from
// 2,500 files in 50 folders. Prints milliseconds per operation (the window
// should answer each command in under 100 ms).

#include <chrono>
#include <ctime>
#include <cstdio>
#include <functional>
#include <string>

#include "platform/paths.h"
#include "platform/user_messages.h"
#include "results/record_maker.h"
#include "results/result_grouping.h"
#include "results/result_kind.h"
#include "results/result_sort_keys.h"
#include "results/result_sorting.h"
#include "results/search_end_results.h"

namespace {

constexpr int kFolders = 50;
constexpr int kFilesPerFolder = 50;
constexpr int kLinesPerFile = 4;
constexpr int kRounds = 5;

const char* const kTypes[] = {"txt", "doc", "cpp", "h", "pdf", "TXT", "md"};

void FillResults(qf::SearchResults& results) {
    for (int d = 0; d < kFolders; ++d) {
        const std::string folder = "/home/user/projects/folder-" + std::to_string(d * 7919 % 1000);
        for (int f = 0; f < kFilesPerFolder; ++f) {
            qf::tagSelectedFileFolderStruct e;
            e.folderPath = folder;
            e.extension = kTypes[(d + f) % 7];
            e.fileName = "File_" + std::to_string(f * 31 % 97) + "_" + std::to_string(f) + "." + e.extension;
            e.fullPath = qf::JoinPath(folder, e.fileName);
            e.findData.nFileSize = uint64_t(f) * 104729 % 5000000;
            e.findData.ftLastWriteTime = qf::FILETIME::FromValue(127000000000000000ULL + uint64_t(f * d) * 600000000ULL);
            qf::MAP_LINES_WITH_HITS lines;
            for (int n = 1; n <= kLinesPerFile; ++n) {
                auto& line = lines[uint32_t(n * 13)];
                line.sLineText = "some text before the term and a bit after it, line " + std::to_string(n);
                line.mapTermPositions["term"] = {22};
            }
            qf::MakeRecords(results, e, qf::kKindFileContent, lines);
        }
    }
}

// Wall and processor time per run; on a busy machine the processor time is
// the fairer figure.
struct Timing {
    double wallMs;
    double cpuMs;
};

Timing MillisecondsPerRun(const std::function<void()>& operation) {
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    for (int i = 0; i < kRounds; ++i) operation();
    const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
    const double cpu = 1000.0 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    return {spent.count() / kRounds, cpu / kRounds};
}

void Print(const std::string& name, Timing t) {
    std::printf("%-42s wall %8.2f ms   cpu %8.2f ms\n", name.c_str(), t.wallMs, t.cpuMs);
}

}  // namespace

int main() {
    qf::SearchResults results;
    qf::ResultViewState view;
    qf::Options options;
    qf::RecordingMessages messages;
    FillResults(results);
    std::printf("records: %zu\n", results.Size());

    Print("rebuild and default sort (run's end)",
          MillisecondsPerRun([&] { qf::FinishSearchResults(results, view, nullptr); }));
    for (int key = 0; key < qf::kSortKeyCount; ++key)
        Print("sort by " + std::string(qf::kSortKeyTexts[size_t(key)]), MillisecondsPerRun([&] {
                  qf::SortCommand(results, view, options, {key, key % 2 == 1}, messages, nullptr);
              }));
    Print("group (txt, doc, cpp)", MillisecondsPerRun([&] {
              view.includeTypes = {"txt", "doc", "cpp"};
              qf::GroupResults(results, view, options, messages);
          }));
    Print("ungroup", MillisecondsPerRun([&] { qf::UngroupResults(results, view, options, nullptr); }));
    Print("modify (1 line per file)",
          MillisecondsPerRun([&] { qf::ModifyLinesPerFile(results, view, options, 1, nullptr); }));
    return 0;
}
