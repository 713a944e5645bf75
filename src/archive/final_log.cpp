#include "archive/final_log.h"

#include <fstream>

#include "platform/file_time.h"
#include "platform/paths.h"

namespace qf {
namespace {

struct CounterBlockTexts {
    const char* title;
    const char* examined;
    const char* done;
    const char* failed;
};

constexpr CounterBlockTexts kZipBlock{"Zip files :", "      Examined        Zip files : ",
                                      "      Unzipped        Zip files : ", "      Failed             Zip files : "};
constexpr CounterBlockTexts kWordBlock{"Word documents :", "      Examined        Word documents : ",
                                       "      Converted       Word documents : ",
                                       "      Failed              Word documents : "};
constexpr CounterBlockTexts kPdfBlock{"Pdf documents :", "      Examined        Pdf documents : ",
                                      "      Converted       Pdf documents : ",
                                      "      Failed             Pdf documents : "};
constexpr CounterBlockTexts kOfficeBlock{"Office documents :", "      Examined        Office documents : ",
                                         "      Converted       Office documents : ",
                                         "      Failed             Office documents : "};

const CounterBlockTexts& BlockOf(LogProcess process) {
    if (process == LogProcess::Zip) return kZipBlock;
    if (process == LogProcess::Word) return kWordBlock;
    if (process == LogProcess::Office) return kOfficeBlock;
    return kPdfBlock;
}

// Appends `text` and a line end, every "\n" written as CR LF.
void Line(std::string& out, std::string_view text) { out += WithLogLineEnds(text) + "\r\n"; }

// Copies a temporary log line by line; returns the number of lines.
int CopyLines(std::string& out, const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    int count = 0;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        Line(out, line);
        ++count;
    }
    return count;
}

void CounterBlock(std::string& out, LogProcess process, const FinalLogInput& input) {
    const CounterBlockTexts& texts = BlockOf(process);
    Line(out, texts.title);
    Line(out, texts.examined + std::to_string(input.examined));
    Line(out, texts.done + std::to_string(input.examined - input.failed));
    Line(out, texts.failed + std::to_string(input.failed));
    Line(out, "\n");
}

}  // namespace

std::string FinalLogText(const std::string& logFolder, LogProcess process, const FinalLogInput& input) {
    const LogFileNames& names = LogNamesOf(process);
    std::string out;
    Line(out, "Search started at : " + input.startTime + "\n");
    Line(out, "Search ended at : " + input.endTime + "\n");
    if (input.examined != 0) CounterBlock(out, process, input);
    const int bad = CopyLines(out, JoinPath(logFolder, names.bad));
    if (bad > 0) Line(out, "\n\n");
    const int good = CopyLines(out, JoinPath(logFolder, names.good));
    if (bad == 0 && good == 0)
        Line(out, process == LogProcess::Zip ? "No unzipped process was performed.\n" : "No conversion was performed.\n");
    return out;
}

bool WriteFinalLog(UserMessages& messages, const std::string& logFolder, LogProcess process,
                   const FinalLogInput& input) {
    const std::string path = JoinPath(logFolder, LogNamesOf(process).final);
    const std::string text = FinalLogText(logFolder, process, input);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (out && out.write(text.data(), std::streamsize(text.size())) && out.flush()) return true;
    messages.Show(LogOpenErrorMessage(path, ""));
    return false;
}

void WriteFinalLogs(UserMessages& messages, const std::string& logFolder, const RunCounters& counters,
                    const SYSTEMTIME& start, const SYSTEMTIME& end, bool officeDocs) {
    const std::string startText = FormatDateTimeSeconds(start);
    const std::string endText = FormatDateTimeSeconds(end);
    WriteFinalLog(messages, logFolder, LogProcess::Pdf,
                  {startText, endText, counters.nPdfExamined.load(), counters.nPdfFailed.load()});
    WriteFinalLog(messages, logFolder, LogProcess::Word,
                  {startText, endText, counters.nWordExamined.load(), counters.nWordFailed.load()});
    WriteFinalLog(messages, logFolder, LogProcess::Zip,
                  {startText, endText, counters.nZipExamined.load(), counters.nZipFailed.load()});
    if (officeDocs)
        WriteFinalLog(messages, logFolder, LogProcess::Office,
                      {startText, endText, counters.nOfficeExamined.load(), counters.nOfficeFailed.load()});
}

}  // namespace qf
