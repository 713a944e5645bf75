// Temporary logs, final logs and the log viewer texts.

#include <gtest/gtest.h>

#include "archive/final_log.h"
#include "archive/log_viewer.h"
#include "archive/process_log.h"
#include "support/test_support.h"

namespace qf {
namespace {

using qftest::ReadFile;

const std::string kHeader = "Search started at : 01/02/2024  10:00:00\r\n\r\nSearch ended at : 01/02/2024  10:05:09\r\n\r\n";

FinalLogInput Input(int64_t examined, int64_t failed) {
    return {"01/02/2024  10:00:00", "01/02/2024  10:05:09", examined, failed};
}

TEST(ProcessLog, LinesAreAppendedWithSeparatorAndCrLf) {
    qftest::TempDir dir;
    RecordingMessages messages;
    ProcessLog log(dir.Path(), LogProcess::Pdf, messages);
    log.Good("Pdf conversion OK ", "/a/b.pdf", "0228");
    log.Good("Pdf conversion OK ", "/a/c.pdf", "0228");
    log.Bad("Pdf conversion failed ", "/a/d.pdf", "0228");
    EXPECT_EQ(ReadFile(dir / "DefaultTempJoPdf.Log"),
              "Pdf conversion OK  :    /a/b.pdf\r\nPdf conversion OK  :    /a/c.pdf\r\n");
    EXPECT_EQ(ReadFile(dir / "DefaultTempRosszPdf.Log"), "Pdf conversion failed  :    /a/d.pdf\r\n");
    EXPECT_EQ(messages.Count(), 0u);
}

// An entry or file name can hold line ends and terminal controls; it must
// not forge a second log line nor reach a terminal that shows the log.
TEST(ProcessLog, ControlCharactersOfASubjectAreEscaped) {
    qftest::TempDir dir;
    RecordingMessages messages;
    ProcessLog log(dir.Path(), LogProcess::Zip, messages);
    log.Good("    File successfully unzipped : ", "a\r\n Unzip process failed  :    x\x1b]0;t\x07.txt", "0225");
    EXPECT_EQ(ReadFile(dir / "DefaultTempJoZip.Log"),
              "    File successfully unzipped :  :    a\\r\\n Unzip process failed  :    x\\x1B]0;t\\x07.txt\r\n");
}

TEST(ProcessLog, UnopenableLogIsReportedAndTheCallerGoesOn) {
    qftest::TempDir dir;
    RecordingMessages messages;
    const std::string path = dir / "missing/DefaultTempJoZip.Log";
    EXPECT_FALSE(WriteLogLine(messages, path, " Archive file successfully opened : ", "/x.zip", "0225"));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Error !    Msg no: 0225");
    EXPECT_EQ(messages.Last().text, "No, or damaged log file ! Unable to open :\n\n" + path);
    EXPECT_EQ(messages.Last().icon, MsgIcon::Error);
    EXPECT_FALSE(AppendLogLine(messages, path, "text"));
    EXPECT_EQ(messages.Last().caption, "Error !    Msg no: ");
}

TEST(FinalLog, WordBlockThenFailuresThenSuccessesWithTheirBlankLines) {
    qftest::TempDir dir;
    RecordingMessages messages;
    ProcessLog log(dir.Path(), LogProcess::Word, messages);
    log.Bad(" Word conversion failed ", "/d/1.doc", "0225");
    log.Good(" Word conversion OK ", "/d/2.doc", "0225");
    log.Bad(" Word conversion failed ", "/d/3.doc", "0225");
    log.Good(" Word conversion OK ", "/d/4.doc", "0225");
    log.Good(" Word conversion OK ", "/d/5.doc", "0225");

    EXPECT_EQ(FinalLogText(dir.Path(), LogProcess::Word, Input(5, 2)),
              kHeader +
                  "Word documents :\r\n"
                  "      Examined        Word documents : 5\r\n"
                  "      Converted       Word documents : 3\r\n"
                  "      Failed              Word documents : 2\r\n"
                  "\r\n\r\n"
                  " Word conversion failed  :    /d/1.doc\r\n"
                  " Word conversion failed  :    /d/3.doc\r\n"
                  "\r\n\r\n\r\n"
                  " Word conversion OK  :    /d/2.doc\r\n"
                  " Word conversion OK  :    /d/4.doc\r\n"
                  " Word conversion OK  :    /d/5.doc\r\n");
}

TEST(FinalLog, SearchWithoutArchivesOrDocumentsSaysSo) {
    qftest::TempDir dir;
    RecordingMessages messages;
    RunCounters counters;
    SYSTEMTIME start{2024, 1, 0, 2, 10, 0, 0, 0};
    SYSTEMTIME end{2024, 1, 0, 2, 10, 5, 9, 0};
    WriteFinalLogs(messages, dir.Path(), counters, start, end, false);
    EXPECT_EQ(ReadFile(dir / "ZipDefault.log"), kHeader + "No unzipped process was performed.\r\n\r\n");
    EXPECT_EQ(ReadFile(dir / "WordDefault.log"), kHeader + "No conversion was performed.\r\n\r\n");
    EXPECT_EQ(ReadFile(dir / "Pdfdefault.log"), kHeader + "No conversion was performed.\r\n\r\n");
    // The temporary logs stay; the viewer shows the final log with LF ends.
    EXPECT_EQ(LogViewerText(dir.Path(), LogProcess::Zip),
              "Search started at : 01/02/2024  10:00:00\n\nSearch ended at : 01/02/2024  10:05:09\n\n"
              "No unzipped process was performed.\n\n");
}

TEST(FinalLog, ZipBlockCountsUnzippedAsExaminedLessFailedAndKeepsLfOnlyLines) {
    qftest::TempDir dir;
    qftest::WriteFile(dir / "DefaultTempJoZip.Log", "opened a\nopened b");  // LF, no final line end
    EXPECT_EQ(FinalLogText(dir.Path(), LogProcess::Zip, Input(3, 1)),
              kHeader +
                  "Zip files :\r\n"
                  "      Examined        Zip files : 3\r\n"
                  "      Unzipped        Zip files : 2\r\n"
                  "      Failed             Zip files : 1\r\n"
                  "\r\n\r\n"
                  "opened a\r\nopened b\r\n");
}

TEST(LogViewer, MissingAndBlankLogs) {
    qftest::TempDir dir;
    EXPECT_EQ(LogViewerText(dir.Path(), LogProcess::Pdf), " No search action was performed.");
    EXPECT_EQ(LogViewerText(dir.Path(), LogProcess::Copy), " No copy process was performed.");
    qftest::WriteFile(dir / "WordDefault.log", "  \r\n");
    qftest::WriteFile(dir / "Copydefault.log", "");
    EXPECT_EQ(LogViewerText(dir.Path(), LogProcess::Word), " No errors occur during the search process.");
    EXPECT_EQ(LogViewerText(dir.Path(), LogProcess::Copy), " No errors occur during the copy process.");
}

}  // namespace
}  // namespace qf
