#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <thread>

#include <gtest/gtest.h>

#include "engine/run_helpers.h"
#include "platform/content_file.h"
#include "platform/file_info.h"
#include "platform/folder_opened_ahead.h"
#include "results/result_record.h"
#include "support/test_support.h"

namespace {

using qf::Opt;
using qftest::MakeDirs;
using qftest::WriteFile;

class SearchRunTest : public ::testing::Test {
protected:
    qftest::TempDir home;
    qftest::TempDir tree;
    qf::Session session{home.Path()};
    qf::RecordingMessages messages;
    qf::Options& options = session.state.options;

    std::string P(const std::string& relative) const { return tree / relative; }
};

TEST_F(SearchRunTest, WalksDepthFirstPreOrderInListingOrder) {
    for (const char* f : {"A/a.txt", "A/1/b.txt", "A/1/deep/c.txt", "A/2/d.txt", "B/e.txt"}) WriteFile(P(f), "x");
    qftest::ByFileName(session, {P("A"), P("B")});
    const auto outcome = qftest::RunSearch(session, messages);
    ASSERT_TRUE(outcome.started);
    EXPECT_EQ(outcome.paths, (std::vector<std::string>{P("A/a.txt"), P("A/1/b.txt"), P("A/1/deep/c.txt"),
                                                       P("A/2/d.txt"), P("B/e.txt")}));
    EXPECT_EQ(outcome.types, std::vector<std::string>(5, "DOS"));
}

TEST_F(SearchRunTest, ExcludeListIsExactAndCaseSensitive) {
    WriteFile(P("A/a.txt"), "x");
    WriteFile(P("A/sub/b.txt"), "x");
    WriteFile(P("B/c.txt"), "x");
    qftest::ByFileName(session, {P("A"), P("B"), P("B")});

    options.SetList(Opt::IGNDIRECTS, {P("A")});
    auto outcome = qftest::RunSearch(session, messages);
    // A and everything below it are skipped; B, listed twice, is searched twice.
    EXPECT_EQ(outcome.paths, (std::vector<std::string>{P("B/c.txt"), P("B/c.txt")}));

    options.SetList(Opt::IGNDIRECTS, {tree.Path() + "/a"});
    outcome = qftest::RunSearch(session, messages);
    EXPECT_EQ(outcome.paths.size(), 4u);
}

TEST_F(SearchRunTest, RejectedFolderStillHasItsSubfoldersSearched) {
    WriteFile(P("top/a.txt"), "x");
    WriteFile(P("top/keep_me/b.txt"), "x");
    WriteFile(P("top/keep_me/other/c.txt"), "x");
    qftest::ByFileName(session, {P("top")});
    options.SetInt(Opt::FOLDSTRCHK, 1);
    options.SetText(Opt::FOLDCRITER, "keep");
    auto outcome = qftest::RunSearch(session, messages);
    EXPECT_EQ(outcome.paths, std::vector<std::string>{P("top/keep_me/b.txt")});

    // The exclude rule drops the named folder only; its subfolder is judged by its own name.
    options.SetInt(Opt::FOLDSTRCHK, 0);
    options.SetInt(Opt::FOLDESTRCH, 1);
    options.SetText(Opt::FOLDECRITE, "keep");
    outcome = qftest::RunSearch(session, messages);
    EXPECT_EQ(outcome.paths, (std::vector<std::string>{P("top/a.txt"), P("top/keep_me/other/c.txt")}));
}

TEST_F(SearchRunTest, WithoutSubfoldersOnlyTheirNamesAreMatched) {
    WriteFile(P("root/alpha.txt"), "nothing");
    WriteFile(P("root/alpha_dir/inner.txt"), "alpha");
    qftest::ContentSearch(session, {P("root")}, "alpha");
    options.SetInt(Opt::SUBFOLDERS, 0);
    options.SetInt(Opt::STYPESTEXT, 0);
    options.SetInt(Opt::STYPFOLDER, 1);
    const auto outcome = qftest::RunSearch(session, messages);
    EXPECT_EQ(outcome.paths, std::vector<std::string>{P("root/alpha_dir")});
    EXPECT_EQ(outcome.types, std::vector<std::string>{"FON"});
}

TEST_F(SearchRunTest, DisplayLimitStopsTheRunAndNamesTheLimit) {
    for (int i = 0; i < 20; ++i) WriteFile(P("many/f" + std::to_string(100 + i) + ".txt"), "hit\nhit\n");
    qftest::ContentSearch(session, {P("many")}, "hit");
    options.SetInt(Opt::SEARCHMAXL, 5);
    options.SetInt(Opt::SEARCHENDC, 1);
    const auto outcome = qftest::RunSearch(session, messages);
    EXPECT_LE(outcome.paths.size(), 5u);
    EXPECT_GT(outcome.paths.size(), 0u);
    const qf::Message end = messages.Last();
    EXPECT_EQ(end.caption, "Information    Msg no: 0051.");
    EXPECT_EQ(end.icon, qf::MsgIcon::Exclamation);
    EXPECT_NE(end.text.find("display limit of:\n\n5 line (max. system limit is 10,000)."), std::string::npos);
}

TEST_F(SearchRunTest, EndMessageAndBeepFollowTheirOptions) {
    WriteFile(P("one/a.txt"), "x");
    qftest::ByFileName(session, {P("one")});
    options.SetInt(Opt::SEARCHENDC, 1);
    options.SetInt(Opt::SEARCHENDB, 1);
    qftest::RunSearch(session, messages);
    EXPECT_EQ(messages.Last().text, "End of search !!!");
    EXPECT_EQ(messages.Beeps(), 1);
    EXPECT_NE(options.Date(Opt::SERCHSTART).wYear, 0);
    EXPECT_NE(options.Date(Opt::SEARCHENDT).wYear, 0);
}

TEST_F(SearchRunTest, StopFromAnotherThreadEndsTheRun) {
    for (int d = 0; d < 200; ++d) WriteFile(P("big/d" + std::to_string(d) + "/f.txt"), "x");
    qftest::ByFileName(session, {P("big")});
    ASSERT_TRUE(qf::ValidateSessionSearch(session, messages));
    std::atomic<int> seen{0};
    qftest::RecordingObserver observer;
    std::atomic<bool> release{false};
    observer.onName = [&](const std::string&) {
        // Hold the worker on its first name until the stop has been requested.
        if (seen++ == 0)
            while (!release) std::this_thread::yield();
    };
    ASSERT_TRUE(qf::StartSearch(session, observer, messages));
    std::thread stopper([&] {
        while (seen == 0) std::this_thread::yield();
        qf::StopSearch(session);
        release = true;
    });
    stopper.join();
    qf::WaitForSearch(session);
    EXPECT_TRUE(observer.ended);
    EXPECT_LE(session.results.Size(), 2u);
    EXPECT_LT(session.counters.nFoldersExamined.load(), 5);
}

size_t OpenHandles() {
    return size_t(std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {}));
}

// Subfolders are opened as their folder is listed, as many as may be held;
// the rest are opened in their turn. Every one is walked, in order, and no
// handle stays open after the run, whether it ends or is stopped.
TEST_F(SearchRunTest, SubfoldersOpenedAheadAreAllWalkedAndNoneStayOpen) {
    std::vector<std::string> expected;
    for (int d = 0; d < 1100; ++d) {
        const std::string folder = "wide/d" + std::string(d < 10 ? "000" : d < 100 ? "00" : d < 1000 ? "0" : "") +
                                   std::to_string(d);
        WriteFile(P(folder + "/f.txt"), "x");
        expected.push_back(P(folder + "/f.txt"));
        if (d == 0) {
            WriteFile(P(folder + "/inner/g.txt"), "x");
            expected.push_back(P(folder + "/inner/g.txt"));
        }
    }
    const size_t before = OpenHandles();
    qftest::ByFileName(session, {P("wide")});
    const auto outcome = qftest::RunSearch(session, messages);
    EXPECT_EQ(outcome.paths, expected);
    EXPECT_EQ(qf::FoldersOpenedAhead(), 0u);
    EXPECT_EQ(OpenHandles(), before);

    qftest::RecordingObserver observer;
    observer.onName = [&](const std::string& name) {
        if (name == "f.txt") qf::StopSearch(session);
    };
    qftest::RunSearch(session, messages, &observer);
    EXPECT_LT(session.results.Size(), 5u);
    EXPECT_EQ(qf::FoldersOpenedAhead(), 0u);
    EXPECT_EQ(OpenHandles(), before);
}

TEST_F(SearchRunTest, FolderDeletedWhileQueuedIsSkipped) {
    WriteFile(P("A/a.txt"), "x");
    WriteFile(P("B/b.txt"), "x");
    WriteFile(P("C/c.txt"), "x");
    qftest::ByFileName(session, {P("A"), P("B"), P("C")});
    qftest::RecordingObserver observer;
    observer.onName = [&](const std::string& name) {
        if (name == "a.txt") std::filesystem::remove_all(P("B"));
    };
    const auto outcome = qftest::RunSearch(session, messages, &observer);
    EXPECT_EQ(outcome.paths, (std::vector<std::string>{P("A/a.txt"), P("C/c.txt")}));
}

TEST_F(SearchRunTest, LinkLoopEndsAndOddEntriesAreSkipped) {
    WriteFile(P("loop/a.txt"), "needle");
    MakeDirs(P("loop/sub"));
    ASSERT_EQ(symlink(P("loop").c_str(), P("loop/sub/back").c_str()), 0);
    ASSERT_EQ(symlink(P("nowhere").c_str(), P("loop/dangling.txt").c_str()), 0);
    ASSERT_EQ(mkfifo(P("loop/pipe.txt").c_str(), 0644), 0);
    qftest::ContentSearch(session, {P("loop")}, "needle");
    const auto outcome = qftest::RunSearch(session, messages);
    EXPECT_EQ(outcome.paths, std::vector<std::string>{P("loop/a.txt")});
}

// Links from a searched folder into /proc and /sys are not walked; a chosen
// folder inside /proc is walked, but not out of it through the links to
// every process's root and working folder.
TEST_F(SearchRunTest, PseudoFileSystemsAreWalkedOnlyWhenChosen) {
    WriteFile(P("home/a.txt"), "needle");
    ASSERT_EQ(symlink("/proc", P("home/proc").c_str()), 0);
    ASSERT_EQ(symlink("/sys", P("home/sys").c_str()), 0);
    std::vector<std::string> strayed;
    qftest::RecordingObserver observer;
    const auto strayingWhen = [&](const std::function<bool(const std::string&)>& strays) {
        observer.onName = [&, strays](const std::string& name) {
            if (!strays(name)) return;
            strayed.push_back(name);
            qf::StopSearch(session);  // no need to wait for the rest of the tree
        };
    };
    strayingWhen([&](const std::string& name) { return name.rfind(P("home/proc"), 0) == 0 || name.rfind(P("home/sys"), 0) == 0; });
    qftest::ContentSearch(session, {P("home")}, "needle");
    const auto outcome = qftest::RunSearch(session, messages, &observer);
    EXPECT_EQ(outcome.paths, std::vector<std::string>{P("home/a.txt")});
    EXPECT_TRUE(strayed.empty()) << strayed.front();

    strayed.clear();
    strayingWhen([](const std::string& name) {
        return name.find("/root/") != std::string::npos || name.find("/cwd/") != std::string::npos;
    });
    qftest::ContentSearch(session, {"/proc/self"}, "qzxneedle");
    options.SetList(Opt::FILENAMES1, {"status"});
    qftest::RunSearch(session, messages, &observer);
    EXPECT_TRUE(observer.ended);
    EXPECT_TRUE(strayed.empty()) << strayed.front();
    EXPECT_GT(session.counters.nFoldersExamined.load(), 1);  // its own subfolders are walked
}

TEST_F(SearchRunTest, FileVanishingBeforeItIsReadIsNoResult) {
    WriteFile(P("v/a.txt"), "needle");
    WriteFile(P("v/b.txt"), "needle");
    qftest::ContentSearch(session, {P("v")}, "needle");
    qftest::RecordingObserver observer;
    observer.onName = [&](const std::string& name) {
        if (name == "a.txt") std::filesystem::remove(P("v/a.txt"));
    };
    const auto outcome = qftest::RunSearch(session, messages, &observer);
    EXPECT_EQ(outcome.paths, std::vector<std::string>{P("v/b.txt")});
    // The file that could not be read is told and counted.
    EXPECT_EQ(observer.unreadable, std::vector<std::string>{P("v/a.txt") + ": No such file or directory"});
    EXPECT_EQ(session.statistics.unreadableFiles.load(), 1u);

    // Gone, it is no result whatever the query: with "none of the terms" too.
    WriteFile(P("v/a.txt"), "needle");
    options.Choose({Opt::CKALLWORDS, Opt::CKANYWORDS, Opt::NOTCONTAIN}, Opt::NOTCONTAIN);
    const auto negated = qftest::RunSearch(session, messages, &observer);
    EXPECT_TRUE(negated.paths.empty());
}

// A plain content search reads a file's times and size only when it opens
// it: the 2 GiB bound then still keeps a larger file out entirely (not even
// "does not contain"), and a result shows the same columns as a listing.
TEST_F(SearchRunTest, SizeBoundAndColumnsOfFilesReadBeforeTheirDetails) {
    WriteFile(P("big/small.txt"), "nothing here\n");
    WriteFile(P("big/huge.txt"), "");
    std::filesystem::resize_file(P("big/huge.txt"), qf::kMaxContentBytes + 1);  // sparse
    qftest::ContentSearch(session, {P("big")}, "needle");
    options.Choose({Opt::CKALLWORDS, Opt::CKANYWORDS, Opt::NOTCONTAIN}, Opt::NOTCONTAIN);
    for (int threads : {1, 2}) {
        options.SetInt(Opt::READTHREAD, threads);
        const auto outcome = qftest::RunSearch(session, messages);
        EXPECT_EQ(outcome.paths, std::vector<std::string>{P("big/small.txt")}) << threads;
        const auto& txt = session.statistics.fileTypes[qf::kTypeTxt];
        EXPECT_EQ(txt.found.load() + txt.notFound.load(), 1u) << threads;  // only the small file was read

        qf::WIN32_FIND_DATAA listed;
        ASSERT_TRUE(qf::GetFindData(P("big/small.txt"), listed));
        const qf::tagPrivStruct record = session.results.Row(0);
        EXPECT_EQ(record.size, "13");
        qf::tagPrivStruct expected;
        qf::FillFileData(expected, listed);
        EXPECT_EQ(record.lastWriteTime, expected.lastWriteTime);
        EXPECT_EQ(record.creationTime, expected.creationTime);
    }
}

TEST_F(SearchRunTest, AwkwardNamesAreSearchedLikeAnyOther) {
    const std::vector<std::string> names = {"with space.txt", "quote\"d.txt", "it's.txt", "-dash.txt",
                                            std::string("bad\xff\xfe.txt")};
    for (const auto& n : names) WriteFile(P("odd/" + n), "needle");
    qftest::ContentSearch(session, {P("odd")}, "needle");
    auto outcome = qftest::RunSearch(session, messages);
    std::sort(outcome.paths.begin(), outcome.paths.end());
    std::vector<std::string> expected;
    for (const auto& n : names) expected.push_back(P("odd/" + n));
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(outcome.paths, expected);
}

TEST_F(SearchRunTest, BinaryTypesAreCountedNotRead) {
    WriteFile(P("bin/a.exe"), "needle");
    WriteFile(P("bin/a.txt"), "needle");
    qftest::ContentSearch(session, {P("bin")}, "needle");
    const auto outcome = qftest::RunSearch(session, messages);
    EXPECT_EQ(outcome.paths, std::vector<std::string>{P("bin/a.txt")});
    EXPECT_EQ(session.counters.nBinarySkipped.load(), 1);
}

// A ZIP archive passes the name and type rules without them, but it is no
// examined file: not when listed by a name pattern, nor when a ZIP pattern
// lists it a second time.
TEST_F(SearchRunTest, ArchivesAreNotExaminedFiles) {
    WriteFile(P("z/a.txt"), "x");
    WriteFile(P("z/data1.zip"), "not really an archive");
    qftest::ContentSearch(session, {P("z")}, "a");
    options.SetInt(Opt::STYPESTEXT, 0);
    options.SetInt(Opt::STSTRGFILE, 1);
    qftest::RunSearch(session, messages);
    EXPECT_EQ(session.statistics.Cell(qf::kRowFileName, qf::kColExaminedFiles), 1u);
    EXPECT_EQ(session.statistics.sumExamined.load(), 1u);

    options.SetInt(Opt::CONVZIPCHK, 1);
    options.SetList(Opt::ZFILENAMES, {"*.zip"});
    qftest::RunSearch(session, messages);
    EXPECT_EQ(session.statistics.Cell(qf::kRowFileName, qf::kColExaminedFiles), 1u);
    EXPECT_EQ(session.statistics.sumExamined.load(), 1u);
    EXPECT_EQ(session.counters.nZipExamined.load(), 1);  // counted where archives are
}

TEST_F(SearchRunTest, FileNameAndExtensionHits) {
    WriteFile(P("n/report.md"), "x");
    WriteFile(P("n/other.report"), "x");
    qftest::ContentSearch(session, {P("n")}, "report");
    options.SetInt(Opt::STYPESTEXT, 0);
    options.SetInt(Opt::STSTRGFILE, 1);
    options.SetInt(Opt::SSTRGFILEE, 1);
    const auto outcome = qftest::RunSearch(session, messages);
    EXPECT_EQ(outcome.paths, (std::vector<std::string>{P("n/other.report"), P("n/report.md")}));
    EXPECT_EQ(outcome.types, (std::vector<std::string>{"FIE", "FIN"}));
}

TEST_F(SearchRunTest, OneByOneDisplayReportsRows) {
    WriteFile(P("d/a.txt"), "x");
    WriteFile(P("d/b.txt"), "x");
    qftest::ByFileName(session, {P("d")});
    qftest::RecordingObserver allAtOnce;
    qftest::RunSearch(session, messages, &allAtOnce);
    EXPECT_EQ(allAtOnce.appended, 0u);
    options.Choose({Opt::DISPLAYATE, Opt::DISPLAYDUR}, Opt::DISPLAYDUR);
    qftest::RecordingObserver oneByOne;
    qftest::RunSearch(session, messages, &oneByOne);
    EXPECT_EQ(oneByOne.appended, 2u);
}

TEST_F(SearchRunTest, EmptyWorkingSubfoldersGoAtStartFullOnesStay) {
    const std::string zip = home / "Temp/ZIPFILES";
    MakeDirs(zip + "/ZIPS00001");
    WriteFile(zip + "/ZIPS00002/kept.txt", "x");
    WriteFile(P("w/a.txt"), "x");
    qftest::ByFileName(session, {P("w")});
    qftest::RunSearch(session, messages, nullptr, false);  // leftovers of an earlier run, not emptied
    EXPECT_FALSE(qftest::Exists(zip + "/ZIPS00001"));
    EXPECT_TRUE(qftest::Exists(zip + "/ZIPS00002/kept.txt"));
}

}  // namespace
