// The same searches with one, two and eight reading threads must give the
// same output: every column of every record, the per-file store, the
// counters and statistics, the status texts in their order and the final
// process logs. The tree is generated from a fixed seed, so that files are
// read ahead in every folder and every kind of result occurs.

#include <sys/resource.h>

#include <filesystem>
#include <functional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "archive/zip_builder.h"
#include "engine/run_helpers.h"
#include "platform/file_info.h"
#include "platform/file_time.h"
#include "reports/statistics_table.h"
#include "results/result_record.h"
#include "results/result_store.h"
#include "support/test_support.h"

namespace {

using qf::Opt;
namespace fs = std::filesystem;

// A small linear congruential generator: the same tree on every machine.
class Seeded {
public:
    explicit Seeded(uint32_t seed) : state_(seed) {}
    uint32_t Next(uint32_t below) {
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) % below;
    }

private:
    uint32_t state_;
};

const std::vector<std::string> kWords = {"alpha", "beta",  "gamma", "delta", "omega", "begin", "stop",  "x",
                                         "y",     "z",     "lorem", "ipsum", "//",    "#",     "alphabet", "q"};

std::string MakeText(Seeded& rng, uint32_t lines) {
    std::string text;
    for (uint32_t n = 0; n < lines; ++n) {
        const uint32_t words = 1 + rng.Next(8);
        for (uint32_t w = 0; w < words; ++w) {
            if (w > 0) text += rng.Next(9) == 0 ? "\t" : " ";
            text += kWords[rng.Next(uint32_t(kWords.size()))];
        }
        text += rng.Next(11) == 0 ? "\r\n" : "\n";
    }
    return text;
}

const char* const kNames[] = {"notes.txt", "main.c", "util.h", "README", "data.log", "tool.exe", "alpha_list.txt",
                              "Beta.TXT",  "page.htm", "x.cfg"};

// Folders nested three deep, each with a few files of a few lines, some
// long ones, Word, PDF and Office documents, a broken PDF and two archives.
void BuildTree(const std::string& root) {
    Seeded rng(20240611);
    for (int a = 0; a < 4; ++a) {
        for (int b = 0; b < 6; ++b) {
            const std::string folder = root + "/a" + std::to_string(a) + (a % 2 == 0 ? "_alpha" : "") + "/b" +
                                       std::to_string(b) + (b == 4 ? "/gamma_c" : "");
            qftest::MakeDirs(folder);
            const uint32_t files = rng.Next(14);
            for (uint32_t f = 0; f < files; ++f) {
                const std::string name = std::to_string(f) + "_" + kNames[rng.Next(10)];
                const uint32_t lines = rng.Next(20) == 0 ? 2500 : rng.Next(60);
                qftest::WriteFile(folder + "/" + name, MakeText(rng, lines));
            }
        }
    }
    const std::string docs = std::string(QUILLFIND_FIXTURES) + "/documents/";
    fs::copy_file(docs + "inventory.doc", root + "/a1/b2/stock.doc");
    fs::copy_file(docs + "inventory.pdf", root + "/a1/b2/stock.pdf");
    fs::copy_file(docs + "inventory.pdf", root + "/a2_alpha/b5/later.pdf");
    fs::copy_file(docs + "not-really.pdf", root + "/a2_alpha/b5/broken.pdf");
    fs::copy_file(docs + "truncated.doc", root + "/a3/b0/cut.doc");
    fs::copy_file(docs + "inventory.docx", root + "/a3/b4/gamma_c/stock.docx");
    fs::copy_file(docs + "inventory.odt", root + "/a1/b5/notes.odt");
    qftest::ZipBuilder(root + "/a0_alpha/b1/bundle.zip")
        .Folder("alpha_dir/")
        .File("alpha_dir/inside.txt", MakeText(rng, 40))
        .File("other.c", MakeText(rng, 30))
        .Close();
    {
        qftest::TempDir inner;
        qftest::ZipBuilder(inner / "inner.zip").File("deep.txt", MakeText(rng, 25)).Close();
        qftest::ZipBuilder(root + "/a2_alpha/b3/outer.zip")
            .File("inner.zip", qftest::ReadFile(inner / "inner.zip"))
            .File("top.txt", MakeText(rng, 25))
            .Close();
    }
}

// Listing values must not move between the runs: every file gets the same
// two times before each run (reading may advance the access time).
void SetTreeTimes(const std::string& root) {
    const qf::FILETIME access = qf::FileTimeFromUnix(1577880000, 0);  // 2020-01-01 12:00 UTC
    const qf::FILETIME write = qf::FileTimeFromUnix(1577700000, 0);
    for (const auto& item : fs::recursive_directory_iterator(root))
        if (item.is_regular_file()) qf::RestoreFileTimes(item.path().string(), access, write);
}

// The creation time of a copy the run itself makes (an extracted file) is
// the moment it was made; every other column must be the same.
std::string RecordLine(const qf::tagPrivStruct& record) {
    std::string line;
    for (int column = 1; column <= 27; ++column) {
        const bool madeByRun = !record.unzippedFolder.empty() || !record.archiveFolder.empty();
        line += madeByRun && (column == 13 || column == 14 || column == 12) ? "-" : qf::ColumnText(record, column);
        line += '|';
    }
    return line + record.fullPath + '|' + record.convertedFullPath + '|' + record.unzippedFullPath + '|' +
           record.folderKey + '|' + record.fileKey + '|' + record.lineNumberCopy;
}

std::string StoreLines(const qf::FileResultsStore& store) {
    std::string text;
    for (const auto& [key, file] : store) {
        text += key + " kind " + std::to_string(file.resultKind) + " " + file.convertedFullPath + "\n";
        for (const auto& [number, line] : file.lines) {
            text += "  " + std::to_string(number) + ": " + line.sLineText;
            for (const auto& [term, positions] : line.mapTermPositions) {
                text += " [" + term;
                for (int32_t p : positions) text += " " + std::to_string(p);
                text += "]";
            }
            text += "\n";
        }
    }
    return text;
}

// Dates and times in the statistics and the final logs are the run's own.
std::string WithoutTimes(const std::string& text) {
    static const std::regex kDateTime(R"(\d\d/\d\d/\d{4}  \d\d:\d\d(:\d\d)?)");
    return std::regex_replace(text, kDateTime, "<time>");
}

// Stops the run when the rows appended reach a number, as a user's Stop
// during the run would, and keeps what the run reported in order.
class Watcher : public qftest::RecordingObserver {
public:
    Watcher(qf::Session& session, size_t stopAtRows) : session_(session), stopAtRows_(stopAtRows) {}
    void RowsAppended(size_t first, size_t count) override {
        RecordingObserver::RowsAppended(first, count);
        if (stopAtRows_ > 0 && appended >= stopAtRows_) qf::StopSearch(session_);
    }
    void CountersChanged() override { ++countersChanged; }
    size_t countersChanged = 0;

private:
    qf::Session& session_;
    size_t stopAtRows_;
};

class ParallelSearchTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        root_ = new qftest::TempDir;
        BuildTree(root_->Path());
    }
    static void TearDownTestSuite() {
        delete root_;
        root_ = nullptr;
    }

    // Runs the search that `setup` describes with `threads` reading threads
    // and writes down all it produced.
    std::string Run(const std::function<void(qf::Options&)>& setup, int threads, size_t stopAtRows = 0,
                    bool liveRows = true) {
        SetTreeTimes(root_->Path());
        qf::Session session(home_.Path());
        session.results.SetLiveRows(liveRows);
        qf::Options& o = session.state.options;
        qftest::ContentSearch(session, {root_->Path()}, "alpha");
        o.SetInt(Opt::READTHREAD, threads);
        if (stopAtRows > 0) o.Choose({Opt::DISPLAYATE, Opt::DISPLAYDUR}, Opt::DISPLAYDUR);
        setup(o);
        qf::RecordingMessages messages;
        Watcher watcher(session, stopAtRows);
        const qftest::RunOutcome outcome = qftest::RunSearch(session, messages, &watcher);
        EXPECT_TRUE(outcome.started);

        std::ostringstream out;
        for (const qf::tagPrivStruct& record : session.results.CopyList()) out << RecordLine(record) << "\n";
        out << StoreLines(session.results.CopyStore());
        for (const std::string& line : qf::StatisticsTableLines(session.statistics)) out << line << "\n";
        for (const std::string& line : qf::StatisticsFieldLines(session.statistics, session.counters))
            out << line << "\n";
        out << "counters " << session.counters.nResultLines << " " << session.counters.nResultFiles << " "
            << session.counters.nFoldersExamined << " " << session.counters.nFilesExamined << " "
            << session.counters.nBinarySkipped << "\n";
        out << "rows appended " << watcher.appended << ", counters shown " << watcher.countersChanged << "\n";
        for (const std::string& status : watcher.statuses) out << "status " << status << "\n";
        for (const std::string& name : watcher.names) out << "name " << name << "\n";
        for (const char* log : {"Pdfdefault.log", "WordDefault.log", "ZipDefault.log", "Officedefault.log"})
            out << "log " << log << "\n" << qftest::ReadFile(home_ / (std::string("Temp/") + log));
        for (const qf::Message& message : messages.Messages())
            out << "message " << message.caption << message.text << "\n";
        return WithoutTimes(out.str());
    }

    // The same search with 1, 2 and 8 threads; the one-thread output is returned.
    std::string ExpectSameForEveryThreadCount(const std::function<void(qf::Options&)>& setup, size_t stopAtRows = 0) {
        const std::string one = Run(setup, 1, stopAtRows);
        EXPECT_EQ(Run(setup, 2, stopAtRows), one) << "two threads";
        EXPECT_EQ(Run(setup, 8, stopAtRows), one) << "eight threads";
        return one;
    }

    static size_t Count(const std::string& text, const std::string& what) {
        size_t n = 0;
        for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size())) ++n;
        return n;
    }

    static qftest::TempDir* root_;
    qftest::TempDir home_;
};

qftest::TempDir* ParallelSearchTest::root_ = nullptr;

TEST_F(ParallelSearchTest, StandardQueriesWithNamesAndLimits) {
    const std::string any = ExpectSameForEveryThreadCount([](qf::Options& o) {
        o.SetText(Opt::FINDTEXTS1, "alpha omega");
        o.Choose({Opt::CKALLWORDS, Opt::CKANYWORDS, Opt::NOTCONTAIN}, Opt::CKANYWORDS);
        o.SetInt(Opt::RESLINENUM, 4);
        for (Opt mode : {Opt::STSTRGFILE, Opt::SSTRGFILEE, Opt::STYPFOLDER}) o.SetInt(mode, 1);
    });
    EXPECT_GT(Count(any, "|FIC|"), 50u);
    EXPECT_GT(Count(any, "|FON|"), 0u);
    EXPECT_GT(Count(any, "|FIN|"), 0u);

    // All terms in one line, in the given order, whole words only.
    const std::string inOrder = ExpectSameForEveryThreadCount([](qf::Options& o) {
        o.SetText(Opt::FINDTEXTS1, "beta gamma");
        o.SetInt(Opt::ALLINONECH, 1);
        o.Choose({Opt::INANYORDER, Opt::INGIVORDER}, Opt::INGIVORDER);
        o.Choose({Opt::ALLWORDPRT, Opt::WHOLEWORDS, Opt::PARTSWORDS}, Opt::WHOLEWORDS);
    });
    EXPECT_GT(Count(inOrder, "|FIC|"), 5u);

    const std::string none = ExpectSameForEveryThreadCount([](qf::Options& o) {
        o.SetText(Opt::FINDTEXTS1, "omega");
        o.Choose({Opt::CKALLWORDS, Opt::CKANYWORDS, Opt::NOTCONTAIN}, Opt::NOTCONTAIN);
    });
    EXPECT_GT(Count(none, "|NFIC|"), 5u);
}

TEST_F(ParallelSearchTest, DisplayLimitIsReachedAtTheSameLine) {
    // Reached inside a file read ahead past it, and again with files of one line.
    for (int64_t limit : {1, 37, 150}) {
        const std::string limited = ExpectSameForEveryThreadCount([limit](qf::Options& o) {
            o.SetText(Opt::FINDTEXTS1, "alpha");
            o.SetInt(Opt::SEARCHMAXL, limit);
            o.SetInt(Opt::RESLINENUM, 9);
        });
        EXPECT_EQ(Count(limited, "|FIC|"), size_t(limit)) << limit;
    }
}

TEST_F(ParallelSearchTest, RowsMadeOnlyWhenTheRunEndsGiveTheSameResults) {
    // The command line makes no rows while the run goes: the list made at
    // the end, the store, counters and statistics must be those of a run
    // that made them, with a display limit reached inside a file.
    const auto setup = [](qf::Options& o) {
        o.SetText(Opt::FINDTEXTS1, "alpha omega");
        o.Choose({Opt::CKALLWORDS, Opt::CKANYWORDS, Opt::NOTCONTAIN}, Opt::CKANYWORDS);
        o.SetInt(Opt::SEARCHMAXL, 37);
        o.SetInt(Opt::RESLINENUM, 9);
    };
    const auto withoutRowCount = [](std::string text) {
        const size_t at = text.find("rows appended ");
        return at == std::string::npos ? text : text.erase(at, text.find(',', at) - at);
    };
    for (int threads : {1, 2}) {
        const std::string live = Run(setup, threads);
        const std::string atEnd = Run(setup, threads, 0, false);
        EXPECT_EQ(Count(atEnd, "|FIC|"), 37u);
        EXPECT_NE(atEnd.find("rows appended 0,"), std::string::npos);
        EXPECT_EQ(withoutRowCount(atEnd), withoutRowCount(live)) << threads << " threads";
    }
}

TEST_F(ParallelSearchTest, BooleanAndLineBooleanQueries) {
    for (Opt mode : {Opt::BOOLRADIO1, Opt::MICROBOOLR}) {
        const std::string out = ExpectSameForEveryThreadCount([mode](qf::Options& o) {
            o.SetText(Opt::FINDRICHED, "( ( alpha .AND. .NOT. omega ) .OR. ( beta .XOR. gamma ) )");
            o.Choose({Opt::STANRADIO1, Opt::BOOLRADIO1, Opt::MICROBOOLR}, mode);
            o.SetInt(Opt::RESLINENUM, 6);
        });
        EXPECT_GT(Count(out, "|FIC|"), 20u);
    }
}

TEST_F(ParallelSearchTest, RegularExpressionTermsWithALimit) {
    const std::string out = ExpectSameForEveryThreadCount([](qf::Options& o) {
        o.SetInt(Opt::REGEXTERMS, 1);
        o.SetText(Opt::FINDTEXTS1, "al+pha|gam+a [a-z]+ta$");
        o.Choose({Opt::CKALLWORDS, Opt::CKANYWORDS, Opt::NOTCONTAIN}, Opt::CKANYWORDS);
        o.SetInt(Opt::SEARCHMAXL, 90);
    });
    EXPECT_EQ(Count(out, "|FIC|"), 90u);
}

TEST_F(ParallelSearchTest, StartAndStopConditionsAndComments) {
    const std::string conditions = ExpectSameForEveryThreadCount([](qf::Options& o) {
        o.SetText(Opt::FINDTEXTS1, "alpha delta");
        o.Choose({Opt::CKALLWORDS, Opt::CKANYWORDS, Opt::NOTCONTAIN}, Opt::CKANYWORDS);
        o.SetInt(Opt::STARTCHECK, 1);
        o.Choose({Opt::STARTLNRAD, Opt::STARTTRADO}, Opt::STARTTRADO);
        o.SetText(Opt::STARTETRMS, "begin");
        o.SetInt(Opt::CLINENUMBR, 1);
        o.Choose({Opt::LINENRADIO, Opt::TERMSRADIO}, Opt::TERMSRADIO);
        o.SetText(Opt::EDITSTERMS, "stop");
    });
    EXPECT_GT(Count(conditions, "|FIC|"), 5u);

    const std::string comments = ExpectSameForEveryThreadCount([](qf::Options& o) {
        o.SetText(Opt::FINDTEXTS1, "alpha");
        o.SetInt(Opt::CHECKCOMMT, 1);
        o.Choose({Opt::INCCOMCHAR, Opt::ONECOMCHAR}, Opt::INCCOMCHAR);
        o.Choose({Opt::NOTSHCMMNT, Opt::ONLYSCMMNT, Opt::BOTHCMMNTS}, Opt::ONLYSCMMNT);
        o.SetInt(Opt::STARTCHECK, 1);
        o.Choose({Opt::STARTLNRAD, Opt::STARTTRADO}, Opt::STARTLNRAD);
        o.SetInt(Opt::STARTLNUMB, 3);
    });
    EXPECT_GT(Count(comments, "|FIC|"), 5u);
}

TEST_F(ParallelSearchTest, ArchivesAndDocumentsThroughTheConverters) {
    const std::string out = ExpectSameForEveryThreadCount([](qf::Options& o) {
        o.SetText(Opt::FINDTEXTS1, "warehouse alpha");
        o.Choose({Opt::CKALLWORDS, Opt::CKANYWORDS, Opt::NOTCONTAIN}, Opt::CKANYWORDS);
        o.SetInt(Opt::CONVZIPCHK, 1);
        o.SetList(Opt::ZFILENAMES, {"*.zip"});
        o.SetInt(Opt::STYPFOLDER, 1);
        o.SetInt(Opt::RESTORETIM, 1);
    });
    EXPECT_GT(Count(out, "stock.doc.txt"), 0u);
    EXPECT_GT(Count(out, "later.pdf.txt"), 0u);
    EXPECT_GT(Count(out, "stock.docx.txt"), 0u);
    EXPECT_GT(Count(out, "ZIPFILE:"), 0u);
    EXPECT_GT(Count(out, "deep.txt"), 0u);  // from the archive inside the archive
    EXPECT_GT(Count(out, "conversion failed"), 0u);
}

TEST_F(ParallelSearchTest, StopDuringTheRunDropsWhatWasReadAhead) {
    for (size_t rows : {1, 60}) {
        const std::string stopped = ExpectSameForEveryThreadCount(
            [](qf::Options& o) {
                o.SetText(Opt::FINDTEXTS1, "alpha");
                o.SetInt(Opt::RESLINENUM, 7);
            },
            rows);
        EXPECT_GE(Count(stopped, "|FIC|"), rows);
        EXPECT_LT(Count(stopped, "|FIC|"), rows + 7);
    }
}

// A search for "needle" under `root` on `threads` threads, with the
// process's limit of open files lowered to `openFiles` meanwhile.
struct LimitedRun {
    bool started = false;
    uint64_t unreadableFiles = 0;
    uint64_t unreadableFolders = 0;
    int64_t resultFiles = 0;
};

LimitedRun SearchWithOpenFileLimit(const std::string& root, rlim_t openFiles, int threads) {
    qftest::TempDir home;
    rlimit old{};
    if (getrlimit(RLIMIT_NOFILE, &old) != 0) return {};
    rlimit low = old;
    low.rlim_cur = std::min<rlim_t>(old.rlim_cur, openFiles);
    if (setrlimit(RLIMIT_NOFILE, &low) != 0) return {};
    qf::Session session(home.Path());
    qftest::ContentSearch(session, {root}, "needle");
    session.state.options.SetInt(Opt::READTHREAD, threads);
    qf::RecordingMessages messages;
    const qftest::RunOutcome outcome = qftest::RunSearch(session, messages, nullptr);
    setrlimit(RLIMIT_NOFILE, &old);
    return {outcome.started, session.statistics.unreadableFiles.load(), session.statistics.unreadableFolders.load(),
            session.counters.nResultFiles.load()};
}

// Folders walked ahead of their turn may keep their open handles for their
// files; a long run of folders must still stay far within the process's
// limit of open files, and every file be read.
TEST(ParallelSearchHandles, ManyFoldersAheadStayWithinTheOpenFileLimit) {
    qftest::TempDir root;
    std::string text;
    for (int line = 0; line < 3000; ++line) text += line == 1500 ? "the needle line\n" : "some filler text here\n";
    constexpr int kFolders = 600;
    for (int f = 0; f < kFolders; ++f) {
        const std::string folder = root.Path() + "/f" + std::to_string(f);
        qftest::MakeDirs(folder);
        qftest::WriteFile(folder + "/a.txt", text);
    }
    // The first folder's file takes long to read: the walk runs far ahead meanwhile.
    std::string big;
    while (big.size() < (size_t(64) << 20)) big += text;
    qftest::WriteFile(root.Path() + "/f0/a.txt", big);
    const LimitedRun run = SearchWithOpenFileLimit(root.Path(), 100, 2);
    ASSERT_TRUE(run.started);
    EXPECT_EQ(run.unreadableFiles, 0u);
    EXPECT_EQ(run.resultFiles, kFolders);
}

// The walk keeps a folder open while its subfolders wait, to open them in
// it; down a tree far deeper than the limit of open files allows, every
// folder is still opened and read.
TEST(ParallelSearchHandles, ADeepTreeKeepsFewFoldersOpen) {
    qftest::TempDir root;
    constexpr int kDepth = 300;
    std::string folder = root.Path();
    for (int level = 0; level < kDepth; ++level) {
        folder += "/d";
        qftest::MakeDirs(folder);
        qftest::WriteFile(folder + "/a.txt", "the needle line\n");
    }
    const LimitedRun run = SearchWithOpenFileLimit(root.Path(), 50, 1);
    ASSERT_TRUE(run.started);
    EXPECT_EQ(run.unreadableFolders, 0u);
    EXPECT_EQ(run.resultFiles, kDepth);
}

}  // namespace
