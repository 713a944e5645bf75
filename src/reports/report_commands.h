#pragma once
// The commands of the extracts/reports window: report, instant display,
// export and opening a saved report.

#include <functional>
#include <optional>
#include <string>

#include "platform/user_messages.h"
#include "reports/report_lines.h"

namespace qf {

// Asks for a file name under a title; nothing when the user cancels.
using FileChooser = std::function<std::optional<std::string>(const std::string& title)>;
// Opens a file in the desktop's application for it; false when that fails.
using FileOpener = std::function<bool(const std::string& path)>;

constexpr const char* kReportSaveTitle = "Save search results to a REPORT file";
constexpr const char* kExportSaveTitle = "Export search results to a REPORT file";
constexpr const char* kReportOpenTitle = "Open REPORT file.";
constexpr const char* kInstantReportName = "default.txt";

// Writes the report into a chosen file and confirms it. 1 when written, 0
// after a refusal message (0188, 0187, 0189, 0192, 0147). A file that could
// not be written completely (a full disk) is not confirmed: 0147 as well.
int MakeReport(const ReportRequest& request, const FileChooser& chooser, UserMessages& messages);

// Writes the report as default.txt in the application home without asking
// and without a completion message, then opens it (0191 when it cannot be
// read). When no viewer starts, 1150 says so and `ownViewer`, if given,
// shows the file instead.
int InstantDisplay(const ReportRequest& request, const std::string& appHome, const FileOpener& opener,
                   UserMessages& messages, const FileOpener& ownViewer = {});

// Writes the export into a chosen file and confirms it (0208, 0209, 0210,
// 0211; 0211 also for an incomplete write).
int MakeExport(const RESULT_LIST& results, const Options& options, const FileChooser& chooser, UserMessages& messages);

// Chooses a saved report and opens it (0190 when cancelled; 0191 and 1150
// as for the instant display).
int OpenSavedReport(const FileChooser& chooser, const FileOpener& opener, UserMessages& messages,
                    const FileOpener& ownViewer = {});

// The default opener: `xdg-open PATH`, successful on exit code 0.
bool OpenWithDesktop(const std::string& path);

}  // namespace qf
