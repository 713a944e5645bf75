#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>

#include "platform/case_fold.h"
#include "platform/parallel_parts.h"
#include "platform/user_messages.h"
#include "results/list_view_spacer.h"
#include "results/result_rebuild.h"
#include "results/result_renumber.h"
#include "results/result_sort_keys.h"
#include "results/result_sorting.h"
#include "results/search_end_results.h"
#include "results_fixture.h"

namespace {

using qftest::AddContentFile;
using qftest::Column;
using qftest::Entry;

struct Sorter {
    qf::SearchResults results;
    qf::ResultViewState view;
    qf::Options options;
    qf::RecordingMessages messages;

    qf::CommandOutcome Sort(int key, bool descending = false) {
        return qf::SortCommand(results, view, options, {key, descending}, messages, nullptr);
    }
    std::vector<std::string> Names() { return Column(results, [](const qf::tagPrivStruct& r) { return r.fileName; }); }
};

void AddWholeFile(qf::SearchResults& results, qf::tagSelectedFileFolderStruct entry) {
    qf::MakeRecords(results, entry, qf::kKindFile, {});
}

TEST(ResultSorting, SizesSortByValueBothWays) {
    Sorter s;
    AddWholeFile(s.results, Entry("/d", "hundred.txt", 100));
    AddWholeFile(s.results, Entry("/d", "nine.txt", 9));
    AddWholeFile(s.results, Entry("/d", "ten.txt", 10));

    ASSERT_EQ(s.Sort(4), qf::CommandOutcome::Done);
    EXPECT_EQ(s.Names(), (std::vector<std::string>{"nine.txt", "ten.txt", "hundred.txt"}));
    EXPECT_EQ(s.results.Row(0).size, "  9");  // padded on the left, as the window shows it
    EXPECT_EQ(s.results.Row(1).size, " 10");

    s.Sort(4, true);
    EXPECT_EQ(s.Names(), (std::vector<std::string>{"hundred.txt", "ten.txt", "nine.txt"}));
    EXPECT_TRUE(s.options.On(qf::Opt::DSCSORTORD));
    EXPECT_FALSE(s.options.On(qf::Opt::ASCSORTORD));
    EXPECT_EQ(s.options.Int(qf::Opt::SELSORTORD), 4);
    EXPECT_EQ(s.options.Text(qf::Opt::SELSORTORD), "File size");
}

TEST(ResultSorting, FileNamesIgnoreCaseAndTieByFolder) {
    Sorter s;
    AddContentFile(s.results, Entry("/x", "b.txt"), {1});
    AddContentFile(s.results, Entry("/y", "a.txt"), {1});
    AddContentFile(s.results, Entry("/x", "A.txt"), {1});
    AddContentFile(s.results, Entry("/w", "B.txt"), {1});

    s.Sort(0);
    EXPECT_EQ(s.Names(), (std::vector<std::string>{"A.txt", "a.txt", "B.txt", "b.txt"}));
    EXPECT_EQ(Column(s.results, [](const qf::tagPrivStruct& r) { return r.folderPath; }),
              (std::vector<std::string>{"/x", "/y", "/w", "/x"}));
}

TEST(ResultSorting, DatesOrderAcrossYearsAndWithinADay) {
    Sorter s;
    auto dated = [&](const std::string& name, qf::FILETIME t) {
        qf::tagSelectedFileFolderStruct e = Entry("/d", name);
        e.findData.ftLastWriteTime = t;
        AddWholeFile(s.results, e);
    };
    dated("a-new-year.txt", qftest::LocalTime(2005, 1, 1, 0, 10));
    dated("b-afternoon.txt", qftest::LocalTime(2005, 6, 1, 14, 5));
    dated("c-old-year.txt", qftest::LocalTime(2004, 12, 31, 23, 59));
    dated("d-lunch.txt", qftest::LocalTime(2005, 6, 1, 13, 50));

    s.Sort(5);
    EXPECT_EQ(s.Names(),
              (std::vector<std::string>{"c-old-year.txt", "a-new-year.txt", "d-lunch.txt", "b-afternoon.txt"}));
    EXPECT_EQ(qf::DateKey("03/07/2005  14:05"), "200503071405");
    EXPECT_EQ(qf::DateKey("03/07"), "    0307    ");  // a short text must not read past its end
}

TEST(ResultSorting, LinesNineAndTenKeepTheirOrderUnderEveryKey) {
    for (int key = 0; key < qf::kSortKeyCount; ++key) {
        Sorter s;
        AddContentFile(s.results, Entry("/d", "f.txt", 5), {9, 10, 100});
        s.Sort(key);
        EXPECT_EQ(Column(s.results, [](const qf::tagPrivStruct& r) { return r.lineNumber; }),
                  (std::vector<std::string>{"9", "10", "100"}))
            << qf::kSortKeyTexts[size_t(key)];
    }
}

TEST(ResultSorting, RenumbersRowsAndMarksButKeepsFolderAndFileNumbers) {
    Sorter s;
    AddContentFile(s.results, Entry("/a", "big.txt", 300), {1, 2});
    AddContentFile(s.results, Entry("/a", "small.txt", 1), {1});
    AddContentFile(s.results, Entry("/b", "mid.txt", 20), {1});
    qf::FinishSearchResults(s.results, s.view, nullptr);
    const auto folderNumbers = [&] {
        std::map<std::string, std::string> numbers;
        for (const auto& r : s.results.CopyList())
            numbers[qftest::Trim(r.fileName)] = qftest::Trim(r.folderNumber) + "." + qftest::Trim(r.fileNumberInFolder);
        return numbers;
    };
    const auto before = folderNumbers();
    EXPECT_EQ(before.at("small.txt"), "1.2");
    EXPECT_EQ(before.at("mid.txt"), "2.1");

    s.Sort(4);  // small (a), mid (b), big (a), big (a)
    EXPECT_EQ(s.Names(), (std::vector<std::string>{"small.txt", "mid.txt", "big.txt", "big.txt"}));
    EXPECT_EQ(Column(s.results, [](const qf::tagPrivStruct& r) { return r.resultNumber; }),
              (std::vector<std::string>{"1", "2", "3", "4"}));
    EXPECT_EQ(Column(s.results, [](const qf::tagPrivStruct& r) { return r.newFolderMark; }),
              (std::vector<std::string>{"New", "New", "New", ""}));
    EXPECT_EQ(Column(s.results, [](const qf::tagPrivStruct& r) { return r.newFileMark; }),
              (std::vector<std::string>{"New", "New", "New", ""}));
    EXPECT_EQ(folderNumbers(), before);
    // Folder /a's two files are counted although its rows are not adjacent.
    EXPECT_EQ(s.view.folderFileCounts.at(s.results.Row(0).folderKey), 2);
    EXPECT_EQ(s.view.folderCount, 2);
}

// A file whose rows a sort has cut into several runs is still one file of
// its folder, however many threads count, and wherever the runs begin.
TEST(ResultSorting, AFileCutIntoSeveralRunsCountsOnce) {
    const std::vector<std::pair<std::string, std::string>> cycle = {
        {"/a      ", "big    "}, {"/a      ", "small  "}, {"/a      ", "big    "}, {"/b/c    ", "mid    "}};
    for (const size_t rows : {size_t(4), size_t(1500)}) {
        for (const int threads : {1, 2}) {
            qf::RESULT_LIST list(rows);
            for (size_t i = 0; i < rows; ++i) std::tie(list[i].folderKey, list[i].fileKey) = cycle[i % cycle.size()];
            const qf::FOLDER_FILE_COUNTS counts = qf::RenumberResultList(list, threads);
            EXPECT_EQ(counts, (qf::FOLDER_FILE_COUNTS{{"/a      ", 2}, {"/b/c    ", 1}}))
                << rows << " rows, " << threads << " threads";
        }
    }
}

TEST(ResultSorting, OneNumberPerFolderWhenTheStoreInterleavesIt) {
    // By full path "/a/b.txt" < "/a/b/x.txt" < "/a/c.txt": folder /a is split.
    Sorter s;
    AddContentFile(s.results, Entry("/a", "c.txt"), {1});
    AddContentFile(s.results, Entry("/a/b", "x.txt"), {1});
    AddContentFile(s.results, Entry("/a", "b.txt"), {1});
    qf::FinishSearchResults(s.results, s.view, nullptr);

    EXPECT_EQ(s.Names(), (std::vector<std::string>{"b.txt", "c.txt", "x.txt"}));
    EXPECT_EQ(Column(s.results, [](const qf::tagPrivStruct& r) { return r.folderNumber + "/" + r.fileNumberInFolder; }),
              (std::vector<std::string>{"1/1", "1/2", "2/1"}));
    EXPECT_EQ(s.view.folderCount, 2);
}

TEST(ResultSorting, StateAndRefusals) {
    Sorter s;
    EXPECT_EQ(s.Sort(0), qf::CommandOutcome::Refused);
    ASSERT_EQ(s.messages.Count(), 1u);
    EXPECT_EQ(s.messages.Last().caption, "Warning !    Msg no: 0244.");
    EXPECT_EQ(s.messages.Last().text, "No result lines !\n\nAction: You must do search to get result lines.");
    EXPECT_EQ(s.messages.Last().icon, qf::MsgIcon::Warning);
    EXPECT_EQ(s.options.Int(qf::Opt::LISTORIGMO), 0);

    AddContentFile(s.results, Entry("/a", "f.txt"), {1});
    s.Sort(3);
    EXPECT_EQ(s.options.Int(qf::Opt::LISTORIGMO), 1);
    s.Sort(3);
    EXPECT_EQ(s.options.Int(qf::Opt::LISTORIGMO), 1);
    s.options.SetInt(qf::Opt::LISTORIGMO, 2);
    s.Sort(3);
    EXPECT_EQ(s.options.Int(qf::Opt::LISTORIGMO), 3);

    s.messages.Clear();
    EXPECT_EQ(s.Sort(8), qf::CommandOutcome::Done);
    ASSERT_EQ(s.messages.Count(), 1u);
    EXPECT_EQ(s.messages.Last().caption, "Error !    Msg no: 0062.");
    EXPECT_EQ(s.messages.Last().icon, qf::MsgIcon::None);
    EXPECT_EQ(s.results.Size(), 1u);
    EXPECT_EQ(s.results.Row(0).resultNumber, "1");
}

TEST(ResultSorting, RebuildHonoursTheLineLimitAndKeepsWholeFileResults) {
    qf::SearchResults results;
    AddContentFile(results, Entry("/a", "f.txt"), {3, 1, 2});
    AddWholeFile(results, Entry("/a", "g.dat"));
    qf::FileResultsStore store = results.CopyStore();

    const qf::RESULT_LIST two = qf::RebuildResultList(store, 2);
    ASSERT_EQ(two.size(), 3u);
    EXPECT_EQ(two[0].lineNumber, "1");
    EXPECT_EQ(two[1].lineNumber, "2");
    EXPECT_EQ(two[2].lineNumber, "0");
    EXPECT_EQ(qf::RebuildResultList(store, qf::kNoLineLimit).size(), 4u);
}

// A long list is made, padded and keyed by several threads, each on its own
// run of files or records; the list must be the one a single thread makes.
void AddManyFiles(qf::SearchResults& results) {
    for (int folder = 0; folder < 40; ++folder) {
        const std::string path = "/tree/d" + std::to_string(folder % 7) + "/s" + std::to_string(folder);
        for (int file = 0; file < 9; ++file) {
            const std::string name = "f" + std::to_string(file) + ".txt";
            if (file % 4 == 3) {
                AddWholeFile(results, Entry(path, name, uint64_t(file)));
                continue;
            }
            qf::MAP_LINES_WITH_HITS lines;
            for (uint32_t n = 1; n <= uint32_t((folder * 7 + file * 3) % 23 + 1); ++n) {
                lines[n].sLineText = "hit\ton line " + std::to_string(n) + " of " + name;
                lines[n].mapTermPositions["hit"] = {0};
            }
            qf::MakeRecords(results, Entry(path, name), qf::kKindFileContent, lines);
        }
    }
}

TEST(ResultSorting, RebuildOnSeveralThreadsMakesTheSameRecords) {
    qf::SearchResults results;
    AddManyFiles(results);
    const qf::FileResultsStore store = results.CopyStore();
    for (int limit : {qf::kNoLineLimit, 5}) {
        const qf::RESULT_LIST one = qf::RebuildResultList(store, limit, 1);
        ASSERT_GE(one.size(), 1024u) << "too short to be split";
        for (int threads : {2, 3, 8}) {
            const qf::RESULT_LIST many = qf::RebuildResultList(store, limit, threads);
            ASSERT_EQ(many.size(), one.size());
            for (size_t i = 0; i < one.size(); ++i)
                ASSERT_EQ(many[i], one[i]) << "record " << i << ", limit " << limit << ", " << threads << " threads";
        }
    }
    qf::SearchResults byOne, byThree;
    AddManyFiles(byOne);
    AddManyFiles(byThree);
    qf::ResultViewState viewOne, viewThree;
    const size_t rows = qf::FinishSearchResults(byOne, viewOne, nullptr, 1);
    ASSERT_EQ(qf::FinishSearchResults(byThree, viewThree, nullptr, 3), rows);
    for (size_t i = 0; i < byOne.Size(); ++i) ASSERT_EQ(byThree.Row(i), byOne.Row(i)) << "row " << i;
    EXPECT_EQ(viewThree.folderFileCounts, viewOne.folderFileCounts);
}

// Names that differ only in case, end in spaces or hold bytes below a
// space, in folders nested so that the store's path order interleaves them:
// the list made in the default order and checked pair by pair must be the
// one that sorting the store's order by the key texts gives, both ways.
TEST(ResultSorting, TheDefaultOrderMadeDirectlyIsTheOrderOfItsKeys) {
    const std::vector<std::string> names = {"a", "A", "a ", "a\x01", "a\x1f", "a_", "ab", "aB", "Ab", "a.b", "b", "~x"};
    const std::vector<std::string> folders = {"/t", "/t/a", "/t/A", "/t/a/b", "/t/a ", "/t/a\x01", "/t/ab", "/T"};
    const auto fill = [&](qf::SearchResults& results) {
        std::mt19937 random(11);
        for (const std::string& folder : folders)
            for (const std::string& name : names) {
                if (random() % 4 == 0) {
                    AddWholeFile(results, Entry(folder, name, random() % 100));
                    continue;
                }
                qf::MAP_LINES_WITH_HITS lines;
                for (uint32_t n = 1; n <= 12; ++n)
                    if (random() % 3 == 0) lines[n].sLineText = "hit " + std::to_string(n);
                if (lines.empty()) lines[9].sLineText = "hit";
                // The same path again: a name hit beside the content hits.
                if (random() % 5 == 0) AddWholeFile(results, Entry(folder, name));
                qf::MakeRecords(results, Entry(folder, name), qf::kKindFileContent, lines);
            }
    };
    qf::SearchResults results;
    fill(results);
    const qf::FileResultsStore store = results.CopyStore();
    // Any two padded records compare as their lowered key texts do.
    qf::RESULT_LIST padded = qf::RebuildResultList(store, qf::kNoLineLimit);
    qf::ListViewSpacer(padded);
    std::vector<std::string> keys(padded.size());
    for (size_t i = 0; i < padded.size(); ++i) {
        qf::AppendSortKey(padded[i], qf::kDefaultSortKey, keys[i]);
        for (char& c : keys[i]) c = qf::AsciiLower(c);
    }
    const auto sign = [](int order) { return (order > 0) - (order < 0); };
    for (size_t a = 0; a < padded.size(); ++a)
        for (size_t b = 0; b < padded.size(); ++b)
            ASSERT_EQ(sign(qf::CompareDefaultKeys(padded[a], padded[b])), sign(keys[a].compare(keys[b])))
                << keys[a] << " / " << keys[b];
    for (const bool descending : {false, true}) {
        qf::RESULT_LIST want = qf::RebuildResultList(store, qf::kNoLineLimit);
        qf::ListViewSpacer(want);
        qf::SortListByKey(
            want, [](const qf::tagPrivStruct& r, std::string& out) { qf::AppendSortKey(r, qf::kDefaultSortKey, out); },
            descending);
        for (int threads : {1, 3}) {
            qf::SearchResults copy;
            fill(copy);
            qf::ResultViewState view;
            qf::Options options;
            qf::RecordingMessages messages;
            if (descending)
                qf::SortCommand(copy, view, options, {qf::kDefaultSortKey, true}, messages, nullptr);
            else
                qf::FinishSearchResults(copy, view, nullptr, threads);
            ASSERT_EQ(copy.Size(), want.size());
            for (size_t i = 0; i < want.size(); ++i) {
                qf::tagPrivStruct row = copy.Row(i);
                row.resultNumber = want[i].resultNumber;  // the renumbering's
                row.newFolderMark = want[i].newFolderMark;
                row.newFileMark = want[i].newFileMark;
                ASSERT_EQ(row, want[i]) << "row " << i << (descending ? ", descending" : "") << ", " << threads;
            }
        }
    }
}

TEST(ResultSorting, FinishingASearchSortsByFolderFileAndLineAndFillsTypes) {
    qf::SearchResults results;
    qf::ResultViewState view;
    view.includeTypes = {"old"};
    AddContentFile(results, Entry("/b", "z.TXT"), {2, 1});
    AddContentFile(results, Entry("/a", "y.doc"), {5});
    AddContentFile(results, Entry("/a", "x.txt"), {7});

    EXPECT_EQ(qf::FinishSearchResults(results, view, nullptr), 4u);
    EXPECT_EQ(Column(results, [](const qf::tagPrivStruct& r) { return r.fileName + ":" + r.lineNumber; }),
              (std::vector<std::string>{"x.txt:7", "y.doc:5", "z.TXT:1", "z.TXT:2"}));
    EXPECT_TRUE(view.includeTypes.empty());
    EXPECT_EQ(view.excludeTypes, (std::vector<std::string>{"doc", "txt"}));
}

TEST(ResultSorting, KeyCaptionsAndIndexes) {
    EXPECT_EQ(qf::SortKeyFromText("File size"), 4);
    EXPECT_EQ(qf::SortKeyFromText("last accessed DATE/time"), 7);
    EXPECT_EQ(qf::SortKeyFromText("0"), 0);
    EXPECT_FALSE(qf::SortKeyFromText("8").has_value());
    EXPECT_FALSE(qf::SortKeyFromText("size").has_value());
    EXPECT_FALSE(qf::SortKeyFromText("").has_value());
}

}  // namespace

// The padding comes off again exactly, whatever the lengths of a field's
// value and of its padding, on either side.
TEST(ResultSorting, PaddingComesOffAsItWentOn) {
    qf::RESULT_LIST list(40);
    for (size_t i = 0; i < list.size(); ++i) {
        list[i].lineFromFirstHit = std::string(i, 'x') + (i > 2 ? " y" : "");
        list[i].size = std::to_string(i * i * 977);
    }
    const qf::RESULT_LIST before = list;
    qf::ListViewSpacer(list);
    for (size_t i = 0; i < list.size(); ++i) {
        ASSERT_EQ(list[i].lineFromFirstHit.size(), list.back().lineFromFirstHit.size());
        EXPECT_EQ(qf::Unpadded(list[i], &qf::tagPrivStruct::lineFromFirstHit), before[i].lineFromFirstHit);
        EXPECT_EQ(qf::Unpadded(list[i], &qf::tagPrivStruct::size), before[i].size);
    }
    EXPECT_EQ(qf::Unpadded(std::string(17, ' '), qf::Padding::Right), "");
    EXPECT_EQ(qf::Unpadded(std::string(17, ' '), qf::Padding::Left), "");
}

// Keys in runs already in order, runs out of place and many equal keys: the
// rows come out as a stable sort of their keys puts them, both ways.
TEST(ResultSorting, AnyOrderOfKeysSortsStably) {
    std::mt19937 random(7);
    for (const size_t runLength : {size_t(1), size_t(5), size_t(200)}) {
        qf::RESULT_LIST list(900);
        std::vector<std::pair<std::string, std::string>> expected;
        for (size_t i = 0; i < list.size(); ++i) {
            const int base = int(random() % 40);
            list[i].fileKey = std::to_string(10 + (i % runLength == 0 ? base : base + int(i % runLength) / 3));
            list[i].resultNumber = std::to_string(i);
            expected.emplace_back(list[i].fileKey, list[i].resultNumber);
        }
        for (const bool descending : {false, true}) {
            qf::RESULT_LIST sorted = list;
            qf::SortListByKey(
                sorted, [](const qf::tagPrivStruct& r, std::string& out) { out += r.fileKey; }, descending, 1);
            auto want = expected;
            std::stable_sort(want.begin(), want.end(), [&](const auto& a, const auto& b) {
                return descending ? b.first < a.first : a.first < b.first;
            });
            for (size_t i = 0; i < want.size(); ++i)
                ASSERT_EQ(sorted[i].resultNumber, want[i].second) << "row " << i << ", runs of " << runLength;
        }
    }
}

// A long list is checked for the default order in parts side by side: a
// pair out of order where one part ends and the next begins must still be
// found and sorted, both ways.
TEST(ResultSorting, APairOutOfOrderAcrossPartsIsSorted) {
    for (const bool descending : {false, true}) {
        qf::RESULT_LIST list(2000);
        for (size_t i = 0; i < list.size(); ++i) {
            const size_t n = descending ? list.size() - i : i;
            list[i].folderKey = "/t/" + std::to_string(10000 + n);
            list[i].fileKey = "f";
            list[i].lineNumberCopy = "1";
        }
        const size_t boundary = qf::PartRange(list.size(), qf::RecordParts(list.size(), 2), 1).first;
        ASSERT_GT(boundary, 0u);
        std::swap(list[boundary - 1], list[boundary]);
        ASSERT_TRUE(qf::SortResultList(list, qf::kDefaultSortKey, descending, 2));
        for (size_t i = 1; i < list.size(); ++i) {
            const int order = qf::CompareDefaultKeys(list[i - 1], list[i]);
            ASSERT_TRUE(descending ? order >= 0 : order <= 0) << "row " << i << (descending ? ", descending" : "");
        }
    }
}
