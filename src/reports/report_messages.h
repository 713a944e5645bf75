#pragma once
// The messages of reports and exports, with their exact texts.

#include "platform/user_messages.h"

namespace qf {

Message NoReportSectionMessage();                           // 0188
Message NoResultsForReportMessage();                        // 0187
Message NoReportColumnsMessage();                           // 0189
Message NoReportFileMessage();                              // 0192
Message ReportOpenFailedMessage();                          // 0147
Message ReportNotReadableMessage(const std::string& path);  // 0191
// 1150: no viewer started for a readable file; says whether the program shows it itself.
Message NoViewerMessage(const std::string& path, bool shownInOwnViewer);
Message NoSavedReportChosenMessage();                       // 0190
Message NoResultsForExportMessage();                        // 0208
Message NoExportColumnsMessage();                           // 0209
Message NoExportFileMessage();                              // 0210
Message ExportOpenFailedMessage();                          // 0211
// The file was opened but the data did not all reach it; the older file stays.
Message ReportWriteFailedMessage(const std::string& path);  // 1302
Message ExportWriteFailedMessage(const std::string& path);  // 1303
Message ReportSavedMessage();                               // "Save operation completed !!! "
Message ExportSavedMessage();                               // "Export operation completed !!! "

}  // namespace qf
