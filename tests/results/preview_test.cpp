#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include <string_view>

#include "platform/file_info.h"
#include "platform/user_messages.h"
#include "results/click_action.h"
#include "results/result_preview.h"
#include "results/text_file_lines.h"
#include "results/search_end_results.h"
#include "results/utf8_offsets.h"
#include "results_fixture.h"
#include "support/test_support.h"

namespace {

using qftest::Entry;
using qftest::Lines;

std::string NumberedLines(int count) {
    std::string text;
    for (int n = 1; n <= count; ++n) text += "line " + std::to_string(n) + "\n";
    return text;
}

struct Previewer {
    qftest::TempDir dir;
    qf::SearchResults results;
    qf::RecordingMessages messages;

    // A content file on disk with its hit lines recorded as the search found them.
    qf::tagSelectedFileFolderStruct AddFile(const std::string& name, const std::string& content,
                                            const qf::MAP_LINES_WITH_HITS& lines) {
        qftest::WriteFile(dir / name, content);
        qf::tagSelectedFileFolderStruct e = Entry(dir.Path(), name);
        qf::MakeRecords(results, e, qf::kKindFileContent, lines);
        return e;
    }
    qf::PreviewResult Preview(size_t row, const std::vector<std::string>& terms, uint32_t above = 2,
                              uint32_t below = 2) {
        const auto click = qf::ReadClickRecord(results, row);
        return qf::PreviewFill(*click, qf::FindResultFile(results, click->record), terms, false, {above, below},
                               messages);
    }
};

TEST(ResultPreview, WindowsAtTheStartAndEndOfAFile) {
    Previewer p;
    p.AddFile("f.txt", NumberedLines(11),
              Lines({{1, "line 1", {{"line", {0}}}}, {10, "line 10", {{"line", {0}}}}}));

    EXPECT_EQ(p.Preview(0, {"line"}).view.text, "line 1\nline 2\nline 3\n");
    EXPECT_EQ(p.Preview(1, {"line"}).view.text, "line 8\nline 9\nline 10\nline 11\n");
    EXPECT_EQ(p.Preview(1, {"line"}, 0, 0).view.text, "line 10\n");
    // The window numbers its lines from these.
    const qf::PreviewResult atTen = p.Preview(1, {"line"});
    EXPECT_EQ(atTen.view.firstLine, 8u);
    EXPECT_EQ(atTen.view.hitLine, 10u);
    EXPECT_EQ(p.Preview(0, {"line"}).view.firstLine, 1u);
}

TEST(ResultPreview, OnlyHitLinesAreColouredAndColoursWrapAfterSix) {
    Previewer p;
    // Line 2 holds "alpha" too, but it is a context line: not coloured; line 4 is a hit line.
    const std::string hitLine = "alpha b c d e f g";
    p.AddFile("f.txt", "x\nalpha\n" + hitLine + "\nalpha\n",
              Lines({{3, hitLine,
                      {{"alpha", {0}}, {"b", {6}}, {"c", {8}}, {"d", {10}}, {"e", {12}}, {"f", {14}}, {"g", {16}}}},
                     {4, "alpha", {{"alpha", {0}}}}}));
    const std::vector<std::string> terms = {"ALPHA", "b", "c", "d", "e", "f", "g"};

    const qf::PreviewResult preview = p.Preview(0, terms, 1, 1);
    ASSERT_EQ(preview.view.text, "alpha\n" + hitLine + "\nalpha\n");
    std::vector<std::pair<size_t, int>> colored;
    for (const qf::ColorRange& r : preview.view.ranges) colored.emplace_back(r.byteBegin, r.color);
    const size_t line3 = 6, line4 = 6 + hitLine.size() + 1;
    EXPECT_EQ(colored, (std::vector<std::pair<size_t, int>>{{line3, 0}, {line4, 0}, {line3 + 6, 1}, {line3 + 8, 2},
                                                             {line3 + 10, 3}, {line3 + 12, 4}, {line3 + 14, 5},
                                                             {line3 + 16, 0}}));
    EXPECT_EQ(preview.view.ranges[0].byteEnd, line3 + 5);
    EXPECT_EQ(qf::kColorList[0].red, 255);
}

TEST(ResultPreview, MultiByteCharactersBeforeAHitShiftCharacterOffsets) {
    Previewer p;
    const std::string line = "\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80 hit";  // ä € 😀
    p.AddFile("u.txt", line + "\n", Lines({{1, line, {{"hit", {4}}}}}));  // positions count characters

    const qf::PreviewResult preview = p.Preview(0, {"hit"});
    ASSERT_EQ(preview.view.ranges.size(), 1u);
    const qf::ColorRange& r = preview.view.ranges[0];
    EXPECT_EQ(r.byteBegin, 10u);
    EXPECT_EQ(r.byteEnd, 13u);
    EXPECT_EQ(r.charBegin, 4u);
    EXPECT_EQ(r.charEnd, 7u);
    EXPECT_EQ(r.utf16Begin, 5u);  // the emoji takes two UTF-16 units
    EXPECT_EQ(r.utf16End, 8u);
}

// The preview reads a file in its own encoding and colours whole
// characters: the hit "STRAẞE" is longer in UTF-8 than the term "straße".
TEST(ResultPreview, FilesInOtherEncodingsAndHitsOfAnotherLength) {
    Previewer p;
    std::string utf16 = "\xFF\xFE";
    for (char16_t u : std::u16string_view(u"first\r\nGR\u00DCSSE STRA\u1E9EE\r\n")) {
        utf16 += char(u & 0xFF);
        utf16 += char(u >> 8);
    }
    const std::string line2 = "GR\xC3\x9CSSE STRA\xE1\xBA\x9E" "E";
    p.AddFile("wide.txt", utf16, Lines({{2, line2, {{"stra\xC3\x9F" "e", {7}}}}}));
    p.AddFile("old.txt", "caf\xE9 CAF\xC9\n", Lines({{1, "caf\xC3\xA9 CAF\xC3\x89", {{"caf\xC3\xA9", {0, 5}}}}}));

    const qf::PreviewResult wide = p.Preview(0, {"STRA\xC3\x9F" "E"}, 1, 1);
    EXPECT_EQ(wide.view.text, "first\n" + line2 + "\n");
    ASSERT_EQ(wide.view.ranges.size(), 1u);
    EXPECT_EQ(wide.view.ranges[0].charBegin, 13u);
    EXPECT_EQ(wide.view.ranges[0].charEnd, 19u);
    EXPECT_EQ(wide.view.ranges[0].byteBegin, 14u);
    EXPECT_EQ(wide.view.ranges[0].byteEnd, 22u);

    const qf::PreviewResult old = p.Preview(1, {"CAF\xC3\x89"});
    EXPECT_EQ(old.view.text, "caf\xC3\xA9 CAF\xC3\x89\n");
    ASSERT_EQ(old.view.ranges.size(), 2u);
    EXPECT_EQ(old.view.ranges[1].byteBegin, 6u);
    EXPECT_EQ(old.view.ranges[1].byteEnd, 11u);
}

// A pattern's hit is as long as its match, not as its pattern; a hit that
// ran past a cut line's kept text ends at the line's end.
TEST(ResultPreview, PatternHitsAreColouredOverTheirMatch) {
    Previewer p;
    const std::string line = "\xC3\xA9 allllpha and alpha";  // é allllpha and alpha
    p.AddFile("r.txt", line + "\nxx\n", Lines({{1, line, {{"al+pha", {2, 15}}}, {{"al+pha", {8, 5}}}}}));
    p.AddFile("cut.txt", "ab allll\n", Lines({{1, "ab allll", {{"al+", {3}}}, {{"al+", {40}}}}}));

    const qf::PreviewResult preview = p.Preview(0, {"AL+PHA"});
    ASSERT_EQ(preview.view.ranges.size(), 2u);
    EXPECT_EQ(preview.view.text.substr(preview.view.ranges[0].byteBegin,
                                       preview.view.ranges[0].byteEnd - preview.view.ranges[0].byteBegin),
              "allllpha");
    EXPECT_EQ(preview.view.ranges[0].charEnd, 10u);
    EXPECT_EQ(preview.view.ranges[1].charBegin, 15u);
    EXPECT_EQ(preview.view.ranges[1].charEnd, 20u);

    const qf::PreviewResult cut = p.Preview(1, {"al+"});
    ASSERT_EQ(cut.view.ranges.size(), 1u);
    EXPECT_EQ(cut.view.ranges[0].charEnd, 8u);
}

TEST(ResultPreview, Utf8OffsetsCountEveryInvalidByteOnce) {
    // Overlong "/", a lone continuation byte, a cut three-byte sequence, a surrogate.
    const std::string text = "\xC0\xAF" "\x80" "\xE2\x82" "A" "\xED\xA0\x80" "B";
    const qf::Utf8Offsets offsets(text);
    EXPECT_EQ(offsets.CharAt(text.size()), 10u);
    EXPECT_EQ(offsets.CharAt(5), 5u);  // "A"
    const qf::ColorRange beyond = offsets.Range(9, 50, 0);
    EXPECT_EQ(beyond.byteEnd, text.size());
    EXPECT_EQ(beyond.charEnd, 10u);
}

TEST(ResultPreview, NameResultsAndResultsWithoutPreview) {
    Previewer p;
    qf::tagSelectedFileFolderStruct name = Entry(p.dir.Path(), "report-alpha.txt");
    name.nameHits = Lines({{1, "report-alpha", {{"alpha", {7}}}}});
    qf::MakeRecords(p.results, name, qf::kKindFileName, name.nameHits);
    qf::MakeRecords(p.results, Entry(p.dir.Path(), "other.txt"), qf::kKindNotContained, {});
    qf::MAP_LINES_WITH_HITS missingLines = Lines({{1, "gone", {{"gone", {0}}}}});
    qf::MakeRecords(p.results, Entry(p.dir.Path(), "missing.txt"), qf::kKindFileContent, missingLines);

    const qf::PreviewResult namePreview = p.Preview(0, {"alpha"});
    EXPECT_EQ(namePreview.view.text, "report-alpha");
    EXPECT_EQ(namePreview.view.firstLine, 0u);  // a name, not lines of a file
    ASSERT_EQ(namePreview.view.ranges.size(), 1u);
    EXPECT_EQ(namePreview.view.ranges[0].byteBegin, 7u);

    EXPECT_EQ(p.Preview(1, {"alpha"}).outcome, qf::PreviewOutcome::Unchanged);
    EXPECT_EQ(p.messages.Count(), 0u);

    EXPECT_EQ(p.Preview(2, {"gone"}).outcome, qf::PreviewOutcome::Unchanged);
    ASSERT_EQ(p.messages.Count(), 1u);
    EXPECT_EQ(p.messages.Last().caption, "Error !    Msg no: 0067.");
    EXPECT_EQ(p.messages.Last().text, "No, or damaged file ! Unable to open :\n\n" + (p.dir / "missing.txt"));
    EXPECT_EQ(p.messages.Last().icon, qf::MsgIcon::Error);
}

TEST(ResultPreview, ReadAndOpenPathsOfArchiveAndConvertedResults) {
    qf::tagPrivStruct r;
    r.fullPath = "/docs/a.pdf";
    r.convertedFolder = "/work/conv";
    r.convertedFullPath = "/work/conv/a.pdf.txt";
    qf::ClickRecord converted = qf::MakeClickRecord(r);
    EXPECT_EQ(converted.readPath, "/work/conv/a.pdf.txt");
    EXPECT_EQ(converted.openPath, "/docs/a.pdf");

    r.unzippedFileName = "a.pdf";
    r.unzippedFullPath = "/work/zip/ZIPS00001/a.pdf";
    converted = qf::MakeClickRecord(r);
    EXPECT_EQ(converted.readPath, "/work/conv/a.pdf.txt");
    EXPECT_EQ(converted.openPath, "/work/zip/ZIPS00001/a.pdf");

    r.convertedFolder.clear();
    const qf::ClickRecord extracted = qf::MakeClickRecord(r);
    EXPECT_EQ(extracted.readPath, "/work/zip/ZIPS00001/a.pdf");
    EXPECT_EQ(extracted.openPath, "/work/zip/ZIPS00001/a.pdf");
}

class RecordingOpener : public qf::DesktopOpener {
public:
    int Execute(std::string_view verb, const std::string& path) override {
        calls.push_back(std::string(verb) + " " + path);
        return verb == "open" ? qf::kOpenSucceeded : qf::kOpenNoAssociation;
    }
    std::vector<std::string> calls;
};

TEST(ResultPreview, ClickDispatch) {
    Previewer p;
    p.AddFile("f.txt", "old text\n", Lines({{1, "old text", {{"old", {0}}}}}));
    p.AddFile("longer-name.txt", "old\n", Lines({{1, "old", {{"old", {0}}}}}));
    qf::ResultViewState view;
    qf::FinishSearchResults(p.results, view, nullptr);
    ASSERT_EQ(p.results.Row(0).fileName, "f.txt          ");  // padded: paths must not come from it
    qf::Options options;
    RecordingOpener opener;
    const std::vector<std::string> terms = {"old"}, none;

    EXPECT_EQ(qf::ClickAction(p.results, 0, {options, none, {}, p.messages, opener}).outcome,
              qf::ClickOutcome::Ignored);
    EXPECT_EQ(qf::ClickAction(p.results, std::nullopt, {options, terms, {}, p.messages, opener}).outcome,
              qf::ClickOutcome::NoRow);
    EXPECT_EQ(p.messages.Last().caption, "Warning !    Msg no: 0066.");

    // The preview read must not change the file's times.
    const qf::FILETIME old = qftest::LocalTime(2001, 5, 5, 10, 0);
    ASSERT_TRUE(qf::RestoreFileTimes(p.dir / "f.txt", old, old));
    options.SetInt(qf::Opt::RESTORETIM, 1);
    const qf::ClickResult preview = qf::ClickAction(p.results, 0, {options, terms, {}, p.messages, opener});
    EXPECT_EQ(preview.outcome, qf::ClickOutcome::Previewed);
    EXPECT_EQ(preview.preview.text, "old text\n");
    qf::WIN32_FIND_DATAA after;
    ASSERT_TRUE(qf::GetFindData(p.dir / "f.txt", after));
    EXPECT_EQ(after.ftLastAccessTime, old);
    EXPECT_EQ(after.ftLastWriteTime, old);

    options.Choose({qf::Opt::APPSORRADO, qf::Opt::APPDEFRADO}, qf::Opt::APPDEFRADO);
    EXPECT_EQ(qf::ClickAction(p.results, 0, {options, terms, {}, p.messages, opener}).outcome,
              qf::ClickOutcome::Opened);
    EXPECT_EQ(opener.calls, (std::vector<std::string>{"play " + (p.dir / "f.txt"), "open " + (p.dir / "f.txt")}));
}

}  // namespace

namespace {

TEST(ResultPreview, LinesAreReadAsTheSearchReadsThem) {
    qftest::TempDir dir;
    qftest::WriteFile(dir / "crlf.txt", "one\r\ntwo\r\n\r\nlast without end");
    std::vector<std::string> lines;
    ASSERT_TRUE(qf::ReadLineRange(dir / "crlf.txt", 1, 10, lines));
    EXPECT_EQ(lines, (std::vector<std::string>{"one", "two", "", "last without end"}));
    ASSERT_TRUE(qf::ReadLineRange(dir / "crlf.txt", 2, 3, lines));
    EXPECT_EQ(lines, (std::vector<std::string>{"two", ""}));
    EXPECT_FALSE(qf::ReadLineRange(dir.Path(), 1, 2, lines));  // a folder is not a text file

    // Longer than the cap: cut and noted as the search's record has it; a CR
    // before the LF does not count, even right after the cap.
    qftest::WriteFile(dir / "long.txt", "0123456789\n01234567\r\n012345678\r\nend");
    ASSERT_TRUE(qf::ReadLineRange(dir / "long.txt", 1, 4, lines, 8));
    EXPECT_EQ(lines, (std::vector<std::string>{"01234567 [line cut at 8 bytes]", "01234567",
                                               "01234567 [line cut at 8 bytes]", "end"}));
}

// The preview opens a result's file as the search does. A FIFO or a link to
// an endless device in the file's place is refused at once, and a file of
// one line far longer than the search keeps shows that line cut: the
// window never waits on a writer nor holds more than the cap of a line.
// Each case runs in a child process with an alarm, so that a fault ends it
// instead of hanging or exhausting the test.
TEST(ResultPreview, HostileFileInAResultsPlace) {
    Previewer p;
    p.AddFile("fifo.txt", "needle\n", Lines({{1, "needle", {{"needle", {0}}}}}));
    p.AddFile("zero.txt", "needle\n", Lines({{1, "needle", {{"needle", {0}}}}}));
    p.AddFile("huge.txt", "needle\n", Lines({{1, "needle", {{"needle", {0}}}}}));
    std::remove((p.dir / "fifo.txt").c_str());
    ASSERT_EQ(mkfifo((p.dir / "fifo.txt").c_str(), 0600), 0);
    std::remove((p.dir / "zero.txt").c_str());
    ASSERT_EQ(symlink("/dev/zero", (p.dir / "zero.txt").c_str()), 0);
    std::filesystem::resize_file(p.dir / "huge.txt", uint64_t(1) << 30);  // one line of zeros, sparse

    const auto inChild = [&p](size_t row, size_t expectedSize) {
        const pid_t pid = fork();
        if (pid == 0) {
            alarm(60);
#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)  // they reserve a huge address space
            const rlimit memory{size_t(768) << 20, size_t(768) << 20};
            setrlimit(RLIMIT_AS, &memory);
#endif
            const qf::PreviewResult shown = p.Preview(row, {"needle"});
            _exit(shown.view.text.size() == expectedSize ? 0 : 1);
        }
        int status = 0;
        waitpid(pid, &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    };
    EXPECT_TRUE(inChild(0, 0)) << "FIFO";
    EXPECT_TRUE(inChild(1, 0)) << "link to /dev/zero";
    // "needle", then a line of zeros that runs to the end.
    EXPECT_TRUE(inChild(2, 7 + qf::kLineCap + qf::LineCutNote(qf::kLineCap).size() + 1)) << "a line of 1 GiB";
}

}  // namespace
