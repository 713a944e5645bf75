// Files that are not tidy text: one huge line, NUL bytes, bytes that are not
// UTF-8, CR-only line ends, files that shrink or cannot be read, and things
// that are no files at all put in a listed file's place.

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <thread>

#include "platform/file_info.h"
#include "results/result_store.h"
#include "scan_fixture.h"

using qf::Opt;

namespace {

using LineNos = std::vector<uint32_t>;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kRssIsReliable = false;  // the sanitizer's shadow memory and quarantine swamp the figure
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kRssIsReliable = false;
#else
constexpr bool kRssIsReliable = true;
#endif
#else
constexpr bool kRssIsReliable = true;
#endif

int64_t PeakRssBytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return int64_t(usage.ru_maxrss) * 1024;
}

// Runs body in a child process, so that a scan that hangs or eats memory
// fails the test instead of stopping the suite. Returns what body returns
// (125 when it threw), -1 when the child had to be killed after `seconds`,
// -2 when it died.
int InChildProcess(const std::function<int()>& body, int seconds) {
    const pid_t pid = fork();
    if (pid == 0) {
        if (kRssIsReliable) {  // the sanitizer reserves a huge address space
            const rlimit limit{rlim_t(4) << 30, rlim_t(4) << 30};
            setrlimit(RLIMIT_AS, &limit);
        }
        int code = 125;
        try {
            code = body();
        } catch (...) {  // out of memory, most likely
        }
        _exit(code);
    }
    if (pid < 0) return -2;
    int status = 0;
    for (int waited = 0; waited < seconds * 100; ++waited) {
        if (waitpid(pid, &status, WNOHANG) == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : -2;
        usleep(10000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    return -1;
}

// Calls back when the run names the file it is about to read.
struct NameObserver : qf::SearchObserver {
    std::function<void(const std::string&)> onName;
    void CurrentName(const std::string& name) override {
        if (onName) onName(name);
    }
};

}  // namespace

class BadInput : public ScanFixture {
protected:
    BadInput() { options.Choose({Opt::CKALLWORDS, Opt::CKANYWORDS, Opt::NOTCONTAIN}, Opt::CKANYWORDS); }

    void SearchWith(qf::SearchObserver& watcher, const qf::tagSelectedFileFolderStruct& entry) {
        const qf::QueryContext query = qf::MakeQueryContext(options, terms, &boolean);
        qf::ContentScanContext context{query, results, counters, stopSearch, stopRequest, watcher};
        qf::SearchFileContent(context, entry);
    }

    qf::MAP_LINES_WITH_HITS StoredLines() const {
        const qf::FileResultsStore store = results.CopyStore();
        return store.empty() ? qf::MAP_LINES_WITH_HITS{} : store.begin()->second.lines;
    }
};

// One line of 200 MiB with the term at 10 MiB and at 100 MiB: found, its
// text cut at 16 MiB with a note, the hit beyond the cut left out of the
// positions, and the memory bounded by the cap instead of the line.
TEST_F(BadInput, AHugeSingleLineIsFoundAndItsTextCut) {
    std::string block;
    while (block.size() < 64 * 1024) block += "lorem ipsum dolor sit amet, consectetur adipiscing. ";
    block.resize(64 * 1024);
    const size_t blocks = 200 * 16;  // 200 MiB
    const std::string needle = "NEEDLE";
    const size_t needleBlocks[] = {160, 1600};  // at 10 MiB and 100 MiB
    const std::string path = dir / "huge.txt";
    {
        std::FILE* out = std::fopen(path.c_str(), "wb");
        ASSERT_NE(out, nullptr);
        for (size_t i = 0; i < blocks; ++i) {
            if (i == needleBlocks[0] || i == needleBlocks[1]) std::fwrite(needle.data(), 1, needle.size(), out);
            ASSERT_EQ(std::fwrite(block.data(), 1, block.size(), out), block.size());
        }
        std::fclose(out);
    }
    const size_t cap = qf::kLineCap;
    const std::string note = " [line cut at 16 MiB]";

    terms = {"needle"};
    const int64_t before = PeakRssBytes();
    SearchEntry(Entry("huge.txt"));
    const int64_t grown = PeakRssBytes() - before;

    const auto list = results.CopyList();
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].lineNumberValue, 1);
    EXPECT_EQ(list[0].resultKind, 3);
    EXPECT_EQ(list[0].fullLine.size(), cap + note.size());
    EXPECT_EQ(list[0].lineFromFirstHit.substr(0, 10), "NEEDLElore");

    const qf::MAP_LINES_WITH_HITS lines = StoredLines();
    ASSERT_EQ(lines.size(), 1u);
    const std::string& text = lines.at(1).sLineText;
    ASSERT_EQ(text.size(), cap + note.size());
    EXPECT_EQ(text.substr(cap), note);
    // Compare block by block rather than building a second large string.
    size_t at = 0;
    bool same = true;
    for (size_t i = 0; at + block.size() <= cap && same; ++i) {
        if (i == needleBlocks[0]) {
            same = text.compare(at, needle.size(), needle) == 0;
            at += needle.size();
        }
        same = same && text.compare(at, block.size(), block) == 0;
        at += block.size();
    }
    EXPECT_TRUE(same) << "line text differs near byte " << at;
    const auto& positions = lines.at(1).mapTermPositions;
    ASSERT_EQ(positions.count("needle"), 1u);
    EXPECT_EQ(positions.at("needle"), (qf::DEQUE_POSITIONS_IN_LINE{int32_t(needleBlocks[0] * block.size())}));

    // The read buffer, its case-folded twin and the kept text: about three
    // times the cap, whatever the length of the line.
    if (kRssIsReliable) {
        EXPECT_LE(grown, int64_t(cap) * 4) << "peak resident memory grew by " << grown / (1024 * 1024) << " MiB";
    }
}

TEST_F(BadInput, NulBytesAreOrdinaryCharactersOfALine) {
    terms = {"needle"};
    const std::string content = std::string("a\0b needle \0\n", 13) + std::string("x\0\0y\n", 5) +
                                std::string("\0needle\0end", 11);
    const auto lines = Scan(content);
    ASSERT_EQ(Numbers(lines), (LineNos{1, 3}));
    EXPECT_EQ(lines.at(1).sLineText, std::string("a\0b needle \0", 12));
    EXPECT_EQ(lines.at(1).mapTermPositions.at("needle").front(), 4);
    EXPECT_EQ(lines.at(3).sLineText, std::string("\0needle\0end", 11));
    EXPECT_EQ(lines.at(3).mapTermPositions.at("needle").front(), 1);

    // NUL is not a delimiter: next to one the term is not whole.
    options.SetInt(Opt::ALLWORDPRT, 0);
    options.SetInt(Opt::WHOLEWORDS, 1);
    EXPECT_EQ(Numbers(Scan(content)), (LineNos{1}));
}

TEST_F(BadInput, BytesThatAreNotUtf8MakeTheFileWindows1252) {
    // A broken two-byte sequence, a lone continuation byte, 0xFF and a
    // sequence cut off by the line end: the file is not UTF-8, so each byte
    // is read as its Windows-1252 character; positions count characters.
    terms = {"key"};
    const std::string content = "\xC3\x28 key\n\x80\xFF\xFE KEY\nplain\nend \xE2\x82\n";
    const auto lines = Scan(content);
    ASSERT_EQ(Numbers(lines), (LineNos{1, 2}));
    EXPECT_EQ(lines.at(1).sLineText, "\xC3\x83( key");  // "Ã( key"
    EXPECT_EQ(lines.at(1).mapTermPositions.at("key").front(), 3);
    EXPECT_EQ(lines.at(2).sLineText, "\xE2\x82\xAC\xC3\xBF\xC3\xBE KEY");  // "€ÿþ KEY"
    EXPECT_EQ(lines.at(2).mapTermPositions.at("key").front(), 4);

    // Its letters fold as Windows-1252 letters: 0xC1 0xC2 are "ÁÂ", 0xE1
    // 0xE2 "áâ", also in runs of eight or more; a term may be given in
    // either encoding.
    terms = {"\xC3\xA1\xC3\xA2"};
    EXPECT_EQ(Numbers(Scan("\xC1\xC2\xC1\xC2\xC1\xC2\xC1\xC2\xC1\xC2\xC1\xC2\nxyz\n\xE1\xE2\n")), (LineNos{1, 3}));
    terms = {"caf\xC9"};
    EXPECT_EQ(Numbers(Scan("CAF\xC9\ncaf\xE9\ncafe\n")), (LineNos{1, 2}));
}

TEST_F(BadInput, CrOnlyLineEndsMakeOneLongLine) {
    terms = {"two"};
    const auto lines = Scan("one\rtwo\rthree\rtwo\r");
    ASSERT_EQ(Numbers(lines), (LineNos{1}));
    EXPECT_EQ(lines.at(1).sLineText, "one\rtwo\rthree\rtwo\r");
    EXPECT_EQ(lines.at(1).mapTermPositions.at("two"), (qf::DEQUE_POSITIONS_IN_LINE{4, 14}));

    // Many CR-only "lines" across several read blocks: still line 1, and the
    // line after the first LF is line 2.
    std::string big;
    for (int i = 0; i < 100000; ++i) big += "row " + std::to_string(i) + "\r";
    big += "last two\n";
    const std::string after = "two again";
    const auto many = Scan(big + after);
    ASSERT_EQ(Numbers(many), (LineNos{1, 2}));
    EXPECT_EQ(many.at(1).sLineText.size(), big.size() - 1);
    EXPECT_EQ(many.at(2).sLineText, after);
}

// The file is cut short after it was selected, just before it is read.
TEST_F(BadInput, AFileTruncatedBeforeItIsReadGivesTheLinesStillThere) {
    terms = {"hit"};
    std::string content;
    for (int i = 1; i <= 40000; ++i) content += (i % 1000 == 0 ? "hit " : "row ") + std::to_string(i) + "\n";
    qftest::WriteFile(dir / "shrinks.txt", content);
    auto entry = Entry("shrinks.txt");
    ASSERT_TRUE(qf::GetFindData(entry.fullPath, entry.findData));
    const size_t keep = content.find("hit 3000\n") + 5;  // mid-line: "hit 3" is left

    NameObserver watcher;
    watcher.onName = [&](const std::string& name) { ASSERT_EQ(truncate(name.c_str(), off_t(keep)), 0); };
    SearchWith(watcher, entry);
    const auto lines = StoredLines();
    ASSERT_EQ(Numbers(lines), (LineNos{1000, 2000, 3000}));
    EXPECT_EQ(lines.at(3000).sLineText, "hit 3");

    // Cut to nothing: a clean "does not contain".
    options.Choose({Opt::CKALLWORDS, Opt::CKANYWORDS, Opt::NOTCONTAIN}, Opt::NOTCONTAIN);
    results.Clear();
    watcher.onName = [&](const std::string& name) { ASSERT_EQ(truncate(name.c_str(), 0), 0); };
    SearchWith(watcher, entry);
    const auto list = results.CopyList();
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].resultKind, 7);
}

// The file shrinks while the scan reads it. Where the cut falls is up to the
// scheduler; whatever it is, every line reported must be a true line of the
// file (or, at the cut, the start of one) under its true number.
TEST_F(BadInput, AFileThatShrinksWhileItIsReadGivesTrueLinesOnly) {
    terms = {"hit"};
    options.SetInt(Opt::RESLINENUM, 10000);
    std::vector<std::string> original;
    std::string content;
    for (int i = 1; content.size() < 48u * 1024 * 1024; ++i) {
        original.push_back((i % 500 == 0 ? "hit " : "row ") + std::to_string(i) + std::string(60, '.'));
        content += original.back() + "\n";
    }
    qftest::WriteFile(dir / "cut.txt", content);
    const off_t keep = off_t(content.size() / 7 + 13);
    content.clear();

    std::thread cutter;
    NameObserver watcher;
    watcher.onName = [&](const std::string& name) {
        cutter = std::thread([name, keep] { (void)truncate(name.c_str(), keep); });
    };
    SearchWith(watcher, Entry("cut.txt"));
    if (cutter.joinable()) cutter.join();

    const auto lines = StoredLines();
    for (const auto& [n, line] : lines) {
        ASSERT_LE(n, original.size());
        const std::string& truth = original[n - 1];
        const bool isLast = n == lines.rbegin()->first;
        EXPECT_TRUE(isLast ? truth.compare(0, line.sLineText.size(), line.sLineText) == 0 : truth == line.sLineText)
            << "line " << n << ": [" << line.sLineText << "]";
        EXPECT_EQ(n % 500, 0u) << "line " << n;
    }
    EXPECT_EQ(stopSearch.load(), 0);
}

TEST_F(BadInput, AFileThatCannotBeReadIsAFileWithoutTheTerms) {
    terms = {"a"};
    options.Choose({Opt::CKALLWORDS, Opt::CKANYWORDS, Opt::NOTCONTAIN}, Opt::NOTCONTAIN);
    std::vector<qf::tagSelectedFileFolderStruct> entries;

    // Permissions do not keep root out, so that case runs only for other users.
    if (geteuid() != 0) {
        qftest::WriteFile(dir / "locked.txt", "a\n");
        ASSERT_EQ(chmod((dir / "locked.txt").c_str(), 0), 0);
        entries.push_back(Entry("locked.txt"));
    }
    // A folder where a file was selected opens on some systems but gives no bytes.
    qftest::MakeDirs(dir / "folder.txt");
    entries.push_back(Entry("folder.txt"));
    // A file that vanished between selection and reading.
    qftest::WriteFile(dir / "gone.txt", "a\n");
    auto gone = Entry("gone.txt");
    ASSERT_TRUE(qf::GetFindData(gone.fullPath, gone.findData));
    ASSERT_EQ(unlink(gone.fullPath.c_str()), 0);
    entries.push_back(gone);

    for (const auto& entry : entries) {
        results.Clear();
        SearchEntry(entry);
        const auto list = results.CopyList();
        ASSERT_EQ(list.size(), 1u) << entry.fullPath;
        EXPECT_EQ(list[0].resultKind, 7) << entry.fullPath;
        EXPECT_EQ(list[0].lineNumberValue, 0) << entry.fullPath;
        EXPECT_EQ(stopSearch.load(), 0);
    }

    // With "containing any" none of them is a result.
    options.Choose({Opt::CKALLWORDS, Opt::CKANYWORDS, Opt::NOTCONTAIN}, Opt::CKANYWORDS);
    results.Clear();
    for (const auto& entry : entries) SearchEntry(entry);
    EXPECT_EQ(results.Size(), 0u);
}

// Whatever was put in a listed file's place before it is read: a FIFO (which
// would wait for a writer for ever), a link to a FIFO, a link to a device
// that never ends, a pseudo file that reports no size. None is read or
// waited on. A link to a regular file is still followed.
TEST_F(BadInput, OnlyRegularFilesAreReadWhateverWasPutInTheirPlace) {
    terms = {"a"};
    qftest::WriteFile(dir / "target.txt", "a\n");
    ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0600), 0);
    const auto listedThenReplaced = [&](const std::string& name, const std::function<int(const char*)>& replace) {
        qftest::WriteFile(dir / name, "a\n");
        auto entry = Entry(name);
        EXPECT_TRUE(qf::GetFindData(entry.fullPath, entry.findData));
        EXPECT_EQ(unlink(entry.fullPath.c_str()), 0);
        EXPECT_EQ(replace(entry.fullPath.c_str()), 0) << name;
        return entry;
    };
    const std::string fifo = dir / "fifo";
    const std::string target = dir / "target.txt";
    auto pagemap = Entry("pagemap");
    pagemap.folderPath = "/proc/self";
    pagemap.fullPath = "/proc/self/pagemap";
    const std::vector<std::pair<qf::tagSelectedFileFolderStruct, int>> cases = {
        {listedThenReplaced("fifo.txt", [](const char* p) { return mkfifo(p, 0600); }), 0},
        {listedThenReplaced("to-fifo.txt", [&](const char* p) { return symlink(fifo.c_str(), p); }), 0},
        {listedThenReplaced("to-zero.txt", [](const char* p) { return symlink("/dev/zero", p); }), 0},
        {listedThenReplaced("to-file.txt", [&](const char* p) { return symlink(target.c_str(), p); }), 1},
        {pagemap, 0},
    };
    for (const auto& [entry, records] : cases) {
        const int made = InChildProcess(
            [&, &entry = entry] {
                SearchEntry(entry);
                return int(results.Size());
            },
            20);
        EXPECT_EQ(made, records) << entry.fullPath << " (-1: still reading after 20 s, -2: died, 125: threw)";
    }
}
