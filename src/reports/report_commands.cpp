#include "reports/report_commands.h"

#include "platform/paths.h"
#include "platform/process_launcher.h"
#include "platform/text_lines_file.h"
#include "reports/report_messages.h"

namespace qf {
namespace {

// The checks made before a file name is asked for; false after a message.
bool ReportMayStart(const ReportRequest& r, UserMessages& messages) {
    const Options& o = r.options;
    if (!o.On(Opt::LISTSETCHK) && !o.On(Opt::LISTRESCHK) && !o.On(Opt::LISTSUMMAR)) {
        messages.Show(NoReportSectionMessage());
        return false;
    }
    if (r.results.empty()) {
        messages.Show(NoResultsForReportMessage());
        return false;
    }
    if (o.On(Opt::LISTRESCHK) && o.Columns(Opt::LISTINCLIS).empty()) {
        messages.Show(NoReportColumnsMessage());
        return false;
    }
    return true;
}

// A file that could not be made gets the open failure message; one whose
// data did not all reach the disk is told apart, as the older file is still there.
bool Written(ReplaceResult result, const Message& openFailed, const Message& writeFailed, UserMessages& messages) {
    switch (result) {
        case ReplaceResult::Written: return true;
        case ReplaceResult::WriteFailed: messages.Show(writeFailed); return false;
        case ReplaceResult::OpenFailed:
        case ReplaceResult::NotRegularFile: break;
    }
    messages.Show(openFailed);
    return false;
}

int WriteReport(const ReportRequest& r, const std::string& path, UserMessages& messages) {
    return Written(WriteCrLfFile(path, ReportLines(r)), ReportOpenFailedMessage(), ReportWriteFailedMessage(path),
                   messages)
               ? 1
               : 0;
}

// A file that cannot be read is damaged or missing (0191); one that no
// viewer could show is fine, and the message must not blame it.
int ShowReportFile(const std::string& path, const FileOpener& opener, const FileOpener& ownViewer,
                   UserMessages& messages) {
    if (!CanOpenForReading(path)) {
        messages.Show(ReportNotReadableMessage(path));
        return 0;
    }
    if (opener && opener(path)) return 1;
    const bool shownHere = ownViewer && ownViewer(path);
    messages.Show(NoViewerMessage(path, shownHere));
    return shownHere ? 1 : 0;
}

}  // namespace

int MakeReport(const ReportRequest& request, const FileChooser& chooser, UserMessages& messages) {
    if (!ReportMayStart(request, messages)) return 0;
    const std::optional<std::string> path = chooser ? chooser(kReportSaveTitle) : std::nullopt;
    if (!path || path->empty()) {
        messages.Show(NoReportFileMessage());
        return 0;
    }
    if (!WriteReport(request, *path, messages)) return 0;
    messages.Show(ReportSavedMessage());
    return 1;
}

int InstantDisplay(const ReportRequest& request, const std::string& appHome, const FileOpener& opener,
                   UserMessages& messages, const FileOpener& ownViewer) {
    if (!ReportMayStart(request, messages)) return 0;
    const std::string path = JoinPath(appHome, kInstantReportName);
    if (!WriteReport(request, path, messages)) return 0;
    return ShowReportFile(path, opener, ownViewer, messages);
}

int MakeExport(const RESULT_LIST& results, const Options& options, const FileChooser& chooser, UserMessages& messages) {
    if (results.empty()) {
        messages.Show(NoResultsForExportMessage());
        return 0;
    }
    const ColumnList& columns = options.Columns(Opt::LISTINCLIS);
    if (columns.empty()) {
        messages.Show(NoExportColumnsMessage());
        return 0;
    }
    const std::optional<std::string> path = chooser ? chooser(kExportSaveTitle) : std::nullopt;
    if (!path || path->empty()) {
        messages.Show(NoExportFileMessage());
        return 0;
    }
    if (!Written(WriteCrLfFile(*path, ExportLines(results, columns)), ExportOpenFailedMessage(),
                 ExportWriteFailedMessage(*path), messages))
        return 0;
    messages.Show(ExportSavedMessage());
    return 1;
}

int OpenSavedReport(const FileChooser& chooser, const FileOpener& opener, UserMessages& messages,
                    const FileOpener& ownViewer) {
    const std::optional<std::string> path = chooser ? chooser(kReportOpenTitle) : std::nullopt;
    if (!path || path->empty()) {
        messages.Show(NoSavedReportChosenMessage());
        return 0;
    }
    return ShowReportFile(*path, opener, ownViewer, messages);
}

bool OpenWithDesktop(const std::string& path) {
    ProcessRequest request;
    request.argv = {"xdg-open", path};
    return RunProcess(request) == 0;
}

}  // namespace qf
