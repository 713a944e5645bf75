#pragma once
// A search run's worth of state for scanning real files in a temp folder.

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "results/search_results.h"
#include "settings/default_lists.h"
#include "support/test_support.h"
#include "textsearch/boolean_syntax.h"
#include "textsearch/content_scan.h"

class ScanFixture : public ::testing::Test {
protected:
    ScanFixture() { qf::LoadDefaultLists(options); }

    void UseBoolean(const std::string& text, qf::Opt mode = qf::Opt::BOOLRADIO1) {
        options.Choose({qf::Opt::STANRADIO1, qf::Opt::BOOLRADIO1, qf::Opt::MICROBOOLR}, mode);
        qf::RecordingMessages messages;
        terms.clear();
        ASSERT_EQ(qf::CheckBooleanQuery(text, "\"", boolean, terms, messages), 1) << text;
    }

    qf::ContentScanContext Context(const qf::QueryContext& query) {
        qf::ContentScanContext context{query, results, counters, stopSearch, stopRequest, observer};
        context.lineCap = lineCap;
        context.statistics = &statistics;
        return context;
    }

    qf::MAP_LINES_WITH_HITS Scan(const std::string& content) {
        const std::string path = dir / "scan.txt";
        qftest::WriteFile(path, content);
        const qf::QueryContext query = qf::MakeQueryContext(options, terms, &boolean);
        qf::ContentScanContext context = Context(query);
        qf::LineReader reader(qf::ContentFile::Open(path), !query.matcher.caseSensitive, lineCap);
        qf::MAP_LINES_WITH_HITS lines;
        qf::ScanLines(context, reader, lines);
        return lines;
    }

    static std::vector<uint32_t> Numbers(const qf::MAP_LINES_WITH_HITS& lines) {
        std::vector<uint32_t> numbers;
        for (const auto& [n, line] : lines) numbers.push_back(n);
        return numbers;
    }

    qf::tagSelectedFileFolderStruct Entry(const std::string& name) {
        qf::tagSelectedFileFolderStruct entry;
        entry.folderPath = dir.Path();
        entry.fileName = name;
        entry.extension = "txt";
        entry.fullPath = dir / name;
        return entry;
    }

    // Runs the content scan on one file and returns the records made.
    qf::RESULT_LIST Search(const std::string& content, const std::string& name = "file.txt") {
        qftest::WriteFile(dir / name, content);
        SearchEntry(Entry(name));
        return results.CopyList();
    }

    void SearchEntry(const qf::tagSelectedFileFolderStruct& entry) {
        const qf::QueryContext query = qf::MakeQueryContext(options, terms, &boolean);
        qf::ContentScanContext context = Context(query);
        qf::SearchFileContent(context, entry);
    }

    qf::Options options;
    qf::BooleanQuery boolean;
    std::vector<std::string> terms;
    qf::SearchResults results;
    qf::RunCounters counters;
    qf::SearchStatistics statistics;
    std::atomic<int> stopSearch{0};
    std::atomic<int> stopRequest{0};
    qf::SearchObserver observer;
    qftest::TempDir dir;
    size_t lineCap = qf::kLineCap;  // longer lines are read in pieces
};
