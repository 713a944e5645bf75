#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "report_fixture.h"
#include "reports/report_cli_options.h"
#include "reports/report_commands.h"
#include "settings/default_lists.h"

using namespace qf;
using namespace qftest;

namespace {

struct ReportSetup {
    Options options = ReportOptions();
    _Multi_Settings_Struct snapshot;
    SearchStatistics stats;
    RecordingMessages messages;
    TempDir dir;

    ReportRequest Request(RESULT_LIST results) {
        return {options, snapshot, stats, std::move(results), {}, Time(3, 7, 2005, 14, 5, 9)};
    }
    FileChooser ChooseFile(const std::string& name) {
        return [path = dir / name, this](const std::string& title) -> std::optional<std::string> {
            titles.push_back(title);
            return path;
        };
    }
    std::vector<std::string> titles;
};

// A file size limit makes the disk refuse data the way a full disk does.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, previous_);
    }

private:
    rlimit old_{};
    void (*previous_)(int) = nullptr;
};

FileChooser Cancel() {
    return [](const std::string&) -> std::optional<std::string> { return std::nullopt; };
}

}  // namespace

TEST(ReportFile, StatisticsOnlyReportMatchesGolden) {
    ReportSetup s;
    s.options.SetInt(Opt::LISTSUMMAR, 1);
    s.options.SetInt(Opt::LISTORIGMO, 1);
    auto& c = s.stats.cells[kRowContent];
    c[kColHits] = 5;
    c[kColLines] = 4;
    c[kColFoundFiles] = 1;
    c[kColFoundFolders] = 1;
    c[kColExaminedFiles] = 3;
    c[kColExaminedFolders] = 2;
    c[kColBinarySkipped] = 1;
    s.stats.unreadableFiles = 2;
    s.stats.unreadableFolders = 1;
    s.stats.lineLimitFiles = 3;

    ASSERT_EQ(MakeReport(s.Request(ThreeRecords()), s.ChooseFile("r.txt"), s.messages), 1);
    EXPECT_EQ(ReadFile(s.dir / "r.txt"), Golden("statistics_only.txt"));
    EXPECT_EQ(s.titles, std::vector<std::string>{"Save search results to a REPORT file"});
    ASSERT_EQ(s.messages.Count(), 1u);
    EXPECT_EQ(s.messages.Last().caption, "Warning!  ");
    EXPECT_EQ(s.messages.Last().text, "Save operation completed !!! ");
}

TEST(ReportFile, LineNumberColumnIsHeaderWideAndTabsAreRemovedBeforeMeasuring) {
    ReportSetup s;
    s.options.SetInt(Opt::LISTRESCHK, 1);
    s.options.SetColumns(Opt::LISTINCLIS, {{3, "Line number"}, {1, "Line(s) with hit(s)"}});
    RESULT_LIST list = ThreeRecords();
    // Lists rebuilt by sorting or grouping may still carry tabs.
    list[0].lineFromFirstHit = "a\t\tb";
    list[1].lineFromFirstHit = "hello\tworld\t\t\t\t\t\t\t\t\t\t\t\t\t";

    ASSERT_EQ(MakeReport(s.Request(list), s.ChooseFile("r.txt"), s.messages), 1);
    EXPECT_EQ(ReadFile(s.dir / "r.txt"), Golden("line_number_column.txt"));
}

TEST(ReportFile, ExportEndsEveryLineWithCommaSeparator) {
    ReportSetup s;
    s.options.SetColumns(Opt::LISTINCLIS, {{3, "Line number"}, {4, "File name"}});
    ASSERT_EQ(MakeExport(ThreeRecords(), s.options, s.ChooseFile("e.txt"), s.messages), 1);
    EXPECT_EQ(ReadFile(s.dir / "e.txt"), Golden("export.txt"));
    EXPECT_EQ(s.titles, std::vector<std::string>{"Export search results to a REPORT file"});
    EXPECT_EQ(s.messages.Last().caption, "Warning!  ");
    EXPECT_EQ(s.messages.Last().text, "Export operation completed !!! ");
}

TEST(ReportFile, RefusalsComeInOrderAndWriteNothing) {
    ReportSetup s;
    // Nothing checked beats an empty list.
    EXPECT_EQ(MakeReport(s.Request({}), s.ChooseFile("r.txt"), s.messages), 0);
    EXPECT_EQ(s.messages.Last().caption, "Warning!    Msg no: 0188.");
    EXPECT_EQ(s.messages.Last().text, "No active list settings !!! !\n\nAction: You must check at least one option !");

    s.options.SetInt(Opt::LISTSETCHK, 1);
    EXPECT_EQ(MakeReport(s.Request({}), s.ChooseFile("r.txt"), s.messages), 0);
    EXPECT_EQ(s.messages.Last().caption, "Warning!    Msg no: 0187.");

    s.options.SetInt(Opt::LISTRESCHK, 1);
    EXPECT_EQ(MakeReport(s.Request(ThreeRecords()), s.ChooseFile("r.txt"), s.messages), 0);
    EXPECT_EQ(s.messages.Last().caption, "Warning!    Msg no: 0189.");
    EXPECT_EQ(s.messages.Last().text,
              "No name list in Included window !!! !\n\nAction: You must drop at least one list name \n\n"
              "             from the Exclude window to the Include window !");

    EXPECT_EQ(MakeReport(s.Request(ThreeRecords()), Cancel(), s.messages), 0);
    EXPECT_EQ(s.messages.Last().caption, "Warning!    Msg no: 0189.");  // still refused before the dialog
    s.options.SetInt(Opt::LISTRESCHK, 0);                               // unchecked lines: empty columns do not matter
    EXPECT_EQ(MakeReport(s.Request(ThreeRecords()), Cancel(), s.messages), 0);
    EXPECT_EQ(s.messages.Last().caption, "Warning!    Msg no: 0192.");

    WriteFile(s.dir / "plain", "x");
    EXPECT_EQ(MakeReport(s.Request(ThreeRecords()), s.ChooseFile("plain/r.txt"), s.messages), 0);
    EXPECT_EQ(s.messages.Last().caption, "Severe Error!    Msg no: 0147.");
    EXPECT_EQ(s.messages.Last().icon, MsgIcon::Error);
    EXPECT_FALSE(Exists(s.dir / "r.txt"));
}

TEST(ReportFile, ExportRefusals) {
    ReportSetup s;
    EXPECT_EQ(MakeExport({}, s.options, s.ChooseFile("e.txt"), s.messages), 0);
    EXPECT_EQ(s.messages.Last().caption, "Warning!    Msg no: 0208.");
    EXPECT_EQ(MakeExport(ThreeRecords(), s.options, s.ChooseFile("e.txt"), s.messages), 0);
    EXPECT_EQ(s.messages.Last().caption, "Warning!    Msg no: 0209.");
    s.options.SetColumns(Opt::LISTINCLIS, ReportColumns());
    EXPECT_EQ(MakeExport(ThreeRecords(), s.options, Cancel(), s.messages), 0);
    EXPECT_EQ(s.messages.Last().caption, "Warning!    Msg no: 0210.");
    WriteFile(s.dir / "plain", "x");
    EXPECT_EQ(MakeExport(ThreeRecords(), s.options, s.ChooseFile("plain/e.txt"), s.messages), 0);
    EXPECT_EQ(s.messages.Last().caption, "Severe Error!    Msg no: 0211.");
    EXPECT_FALSE(Exists(s.dir / "e.txt"));
}

TEST(ReportFile, FailedWriteSaysSoAndKeepsTheOlderFile) {
    ReportSetup s;
    s.options.SetInt(Opt::LISTRESCHK, 1);
    s.options.SetColumns(Opt::LISTINCLIS, ReportColumns());
    WriteFile(s.dir / "r.txt", "older report\r\n");
    WriteFile(s.dir / "e.txt", "older export\r\n");
    {
        FileSizeLimit limit(64);
        EXPECT_EQ(MakeReport(s.Request(ThreeRecords()), s.ChooseFile("r.txt"), s.messages), 0);
        EXPECT_EQ(s.messages.Last().caption, "Severe Error!    Msg no: 1302.");
        EXPECT_EQ(MakeExport(ThreeRecords(), s.options, s.ChooseFile("e.txt"), s.messages), 0);
        EXPECT_EQ(s.messages.Last().caption, "Severe Error!    Msg no: 1303.");
    }
    EXPECT_NE(s.messages.Last().text.find(s.dir / "e.txt"), std::string::npos);
    EXPECT_EQ(ReadFile(s.dir / "r.txt"), "older report\r\n");
    EXPECT_EQ(ReadFile(s.dir / "e.txt"), "older export\r\n");
    size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(s.dir.Path())) ++files;
    EXPECT_EQ(files, 2u);
}

TEST(ReportFile, InstantDisplayWritesDefaultTxtInHomeAndOpensItSilently) {
    ReportSetup s;
    s.options.SetInt(Opt::LISTSUMMAR, 1);
    std::vector<std::string> opened;
    auto opener = [&](const std::string& path) {
        opened.push_back(path);
        return true;
    };
    ASSERT_EQ(InstantDisplay(s.Request(ThreeRecords()), s.dir.Path(), opener, s.messages), 1);
    EXPECT_EQ(opened, std::vector<std::string>{s.dir / "default.txt"});
    EXPECT_EQ(s.messages.Count(), 0u);
    EXPECT_NE(ReadFile(s.dir / "default.txt").find("S U M M A R Y"), std::string::npos);

}

// The report is fine when no viewer starts: the message says so, and the
// program's own viewer shows it when there is one.
TEST(ReportFile, InstantDisplayWithoutAViewerDoesNotBlameTheFile) {
    ReportSetup s;
    s.options.SetInt(Opt::LISTSUMMAR, 1);
    const auto noViewer = [](const std::string&) { return false; };
    EXPECT_EQ(InstantDisplay(s.Request(ThreeRecords()), s.dir.Path(), noViewer, s.messages), 0);
    EXPECT_EQ(s.messages.Last().caption, "Warning !    Msg no: 1150.");
    EXPECT_EQ(s.messages.Last().text, "No viewer could be started for the file :\n\n" + (s.dir / "default.txt") +
                                          "\n\nAction : Open the file with a text viewer or editor.");

    std::vector<std::string> shown;
    const auto ownViewer = [&](const std::string& path) {
        shown.push_back(path);
        return true;
    };
    EXPECT_EQ(InstantDisplay(s.Request(ThreeRecords()), s.dir.Path(), noViewer, s.messages, ownViewer), 1);
    EXPECT_EQ(shown, std::vector<std::string>{s.dir / "default.txt"});
    EXPECT_NE(s.messages.Last().text.find("shown in the program's own viewer"), std::string::npos);
}

TEST(ReportFile, OpenSavedReportThatCannotBeReadIsDamagedOneWithoutViewerIsNot) {
    ReportSetup s;
    const auto noViewer = [](const std::string&) { return false; };
    const auto choose = [](const std::string& path) {
        return [path](const std::string&) { return std::optional<std::string>(path); };
    };
    EXPECT_EQ(OpenSavedReport(choose(s.dir / "missing.txt"), noViewer, s.messages), 0);
    EXPECT_EQ(s.messages.Last().caption, "Error !    Msg no: 0191.");
    EXPECT_EQ(s.messages.Last().text, "No, or damaged file ! Unable to open :\n\n" + (s.dir / "missing.txt"));

    WriteFile(s.dir / "saved.txt", "a report\r\n");
    EXPECT_EQ(OpenSavedReport(choose(s.dir / "saved.txt"), noViewer, s.messages), 0);
    EXPECT_EQ(s.messages.Last().caption, "Warning !    Msg no: 1150.");
}

TEST(ReportFile, OpenSavedReportCancelled) {
    RecordingMessages messages;
    EXPECT_EQ(OpenSavedReport(
                  Cancel(), [](const std::string&) { return true; }, messages),
              0);
    EXPECT_EQ(messages.Last().caption, "Warning!    Msg no: 0190.");
}

TEST(ReportCommandLine, SectionsAndColumnsByNameOrNumberInOrder) {
    Options o;
    std::string error;
    ASSERT_TRUE(ParseReportSections("stats,logic", o, error));
    EXPECT_TRUE(o.On(Opt::LISTSETCHK));
    EXPECT_FALSE(o.On(Opt::LISTRESCHK));
    EXPECT_TRUE(o.On(Opt::LISTSUMMAR));
    EXPECT_FALSE(ParseReportSections("lines,total", o, error));

    ASSERT_TRUE(ParseReportColumns("6, line number,3,File name", o, error));
    const ColumnList& included = o.Columns(Opt::LISTINCLIS);
    ASSERT_EQ(included.size(), 3u);  // "3" repeats "line number"
    EXPECT_EQ(included[0].nNumber, 6);
    EXPECT_EQ(included[1].nNumber, 3);
    EXPECT_EQ(included[2].nNumber, 4);
    EXPECT_EQ(o.Columns(Opt::LISTEXCLIS).size(), 8u);
    EXPECT_FALSE(ParseReportColumns("12", o, error));
}
