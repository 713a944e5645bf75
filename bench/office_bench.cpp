// Times the reading of Office, OpenDocument and RTF documents into text, one
// document at a time, as a search does it before the text is scanned.
// Usage: office_bench TREE [RUNS]
// Prints, per format and for all: documents, input MiB, text MiB, refused,
// and the best-of-RUNS milliseconds per document.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "documents/document_text.h"
#include "platform/case_fold.h"

namespace {

namespace fs = std::filesystem;

struct FormatTotals {
    int documents = 0;
    int refused = 0;
    uint64_t inputBytes = 0;
    uint64_t textBytes = 0;
    double bestSeconds = 0;  // sum over the documents of each one's best run
};

double Seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

void Print(const std::string& name, const FormatTotals& t) {
    std::printf("%-6s %5d docs %8.2f MiB in %8.2f MiB text %3d refused %8.3f ms/doc\n", name.c_str(), t.documents,
                double(t.inputBytes) / 1048576.0, double(t.textBytes) / 1048576.0, t.refused,
                t.documents ? 1000.0 * t.bestSeconds / t.documents : 0.0);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: office_bench TREE [RUNS]\n");
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    std::vector<fs::path> documents;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(argv[1]))
        if (entry.is_regular_file()) documents.push_back(entry.path());
    std::sort(documents.begin(), documents.end());

    std::map<std::string, FormatTotals> formats;
    FormatTotals all;
    for (const fs::path& path : documents) {
        const std::string extension = qf::CharLowerA(path.extension().string().substr(1));
        const qf::DocumentKind kind = qf::DocumentKindOf(extension);
        if (kind == qf::DocumentKind::None) continue;
        double best = 1e9;
        qf::DocumentText text;
        for (int run = 0; run < runs; ++run) {
            const auto start = std::chrono::steady_clock::now();
            text = qf::ExtractDocumentFile(kind, path.string());
            best = std::min(best, Seconds(std::chrono::steady_clock::now() - start));
        }
        for (FormatTotals* t : {&formats[extension], &all}) {
            ++t->documents;
            t->refused += text.Ok() ? 0 : 1;
            t->inputBytes += fs::file_size(path);
            t->textBytes += text.text.size();
            t->bestSeconds += best;
        }
    }
    for (const auto& [name, totals] : formats) Print(name, totals);
    Print("all", all);
    return all.refused == 0 ? 0 : 1;
}
