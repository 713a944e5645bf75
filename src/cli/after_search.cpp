#include "cli/after_search.h"

#include "archive/log_viewer.h"
#include "archive/search_folders.h"
#include "cli/terminal.h"
#include "platform/file_time.h"
#include "reports/report_commands.h"
#include "reports/settings_description.h"
#include "reports/statistics_table.h"
#include "results/record_view.h"
#include "results/result_grouping.h"
#include "results/result_preview.h"
#include "results/result_sort_keys.h"
#include "results/result_sorting.h"
#include "results/result_text_output.h"
#include "smartcopy/smart_copy.h"

namespace qf::cli {
namespace {

void PrintLines(std::FILE* out, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) std::fprintf(out, "%s\n", line.c_str());
}

HitMarking Marking() { return StdoutIsTerminal() ? HitMarking::Ansi : HitMarking::Brackets; }

// A 1-based row of the list; reports a row that does not exist.
std::optional<size_t> RowIndex(const Session& session, int row, const char* option) {
    if (row >= 1 && size_t(row) <= session.results.Size()) return size_t(row - 1);
    std::fprintf(stderr, "%s: there is no result row %d (the list has %zu)\n", option, row, session.results.Size());
    return std::nullopt;
}

bool WritePreview(const CliOptions& cli, Session& session, UserMessages& messages, std::FILE* out) {
    const auto row = RowIndex(session, *cli.previewRow, "--preview");
    if (!row) return false;
    const PreviewResult preview =
        PreviewForRow(session.results, *row, session.state.options, session.state.searchTerms, messages);
    std::fprintf(out, "%s\n", PreviewOutputText(preview.view, Marking()).c_str());
    return true;
}

bool WriteRecordView(const CliOptions& cli, Session& session, UserMessages& messages, std::FILE* out) {
    const auto row = RowIndex(session, *cli.recordRow, "--record");
    if (!row) return false;
    const RecordViewResult record = RecordViewFill(session.results, *row, session.resultView, session.state.options,
                                                   session.state.searchTerms, messages);
    if (record.outcome != RecordViewOutcome::Filled) return false;
    std::fprintf(out, "%s\n", RecordViewOutputText(record.view, Marking()).c_str());
    return true;
}

bool WriteReports(const CliOptions& cli, Session& session, UserMessages& messages) {
    const _Multi_Settings_Struct snapshot = session.state.ReadSnapshot();
    if (cli.reportFile) {
        ReportRequest request{session.state.options, snapshot,      session.statistics, session.results.CopyList(), {},
                              GetLocalTime(),        &session.counters};
        const FileChooser chooser = [&](const std::string&) { return std::optional<std::string>(*cli.reportFile); };
        if (!MakeReport(request, chooser, messages)) return false;
    }
    if (cli.exportFile) {
        const FileChooser chooser = [&](const std::string&) { return std::optional<std::string>(*cli.exportFile); };
        if (!MakeExport(session.results.CopyList(), session.state.options, chooser, messages)) return false;
    }
    return true;
}

bool RunSmartCopy(Session& session, UserMessages& messages) {
    const FileResultsStore store = session.results.CopyStore();
    SmartCopyRequest request{session.state.options, store, session.results.Size(),
                             SearchFoldersOf(session.state.options, session.AppHome()).logFolder, {}};
    CopyProgress progress;
    return SmartCopy(request, messages, progress) == 1;
}

void WriteLogs(const CliOptions& cli, const Session& session, std::FILE* out) {
    const std::string logFolder = SearchFoldersOf(session.state.options, session.AppHome()).logFolder;
    for (const std::string& log : cli.logs) {
        const LogProcess process = log == "zip"      ? LogProcess::Zip
                                   : log == "word"   ? LogProcess::Word
                                   : log == "pdf"    ? LogProcess::Pdf
                                   : log == "office" ? LogProcess::Office
                                                     : LogProcess::Copy;
        std::fprintf(out, "%s\n", LogViewerText(logFolder, process).c_str());
    }
}

}  // namespace

bool ArrangeResults(const CliOptions& cli, Session& session, UserMessages& messages) {
    Options& o = session.state.options;
    if (cli.linesPerFile)
        ModifyLinesPerFile(session.results, session.resultView, o, *cli.linesPerFile, nullptr);
    if (cli.group) {
        session.resultView.includeTypes = TypesFromText(*cli.group);
        if (GroupResults(session.results, session.resultView, o, messages).outcome == CommandOutcome::Refused)
            return false;
    }
    if (cli.sortKey) {
        const std::optional<int> key = SortKeyFromText(*cli.sortKey);
        if (!key) {
            std::fprintf(stderr, "--sort: unknown sort key '%s'\n", cli.sortKey->c_str());
            return false;
        }
        const SortRequest request{*key, cli.descending};
        if (SortCommand(session.results, session.resultView, o, request, messages, nullptr) == CommandOutcome::Refused)
            return false;
    }
    return true;
}

bool WriteAfterSearch(const CliOptions& cli, Session& session, UserMessages& messages, std::FILE* out) {
    bool ok = true;
    if (cli.previewRow) ok = WritePreview(cli, session, messages, out) && ok;
    if (cli.recordRow) ok = WriteRecordView(cli, session, messages, out) && ok;
    ok = WriteReports(cli, session, messages) && ok;
    if (cli.stats) {
        PrintLines(out, StatisticsTableLines(session.statistics));
        PrintLines(out, StatisticsFieldLines(session.statistics, session.counters,
                                             session.state.ReadSnapshot().options.On(Opt::CONVOFFICE)));
    }
    if (cli.copyTo) ok = RunSmartCopy(session, messages) && ok;
    WriteLogs(cli, session, out);
    return ok;
}

void WriteDescription(const Session& session, std::FILE* out) {
    PrintLines(out, ScreenDescriptionLines(session.state.options, {}));
}

}  // namespace qf::cli
