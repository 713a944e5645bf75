#include "reports/report_messages.h"

namespace qf {
namespace {

constexpr const char* kNoResults =
    "No search result(s) !!! !\n\nAction: You must perform search to have some result(s)!";
constexpr const char* kNoColumns =
    "No name list in Included window !!! !\n\nAction: You must drop at least one list name \n\n"
    "             from the Exclude window to the Include window !";
constexpr const char* kNoSaveName =
    "No selected file name !!! !\n\nAction: You must select or enter a file name in the SAVE window !";

}  // namespace

Message NoReportSectionMessage() {
    return WarningMessage("Warning!    Msg no: 0188.",
                          "No active list settings !!! !\n\nAction: You must check at least one option !");
}

Message NoResultsForReportMessage() { return WarningMessage("Warning!    Msg no: 0187.", kNoResults); }

Message NoReportColumnsMessage() { return WarningMessage("Warning!    Msg no: 0189.", kNoColumns); }

Message NoReportFileMessage() { return WarningMessage("Warning!    Msg no: 0192.", kNoSaveName); }

Message ReportOpenFailedMessage() {
    return ErrorMessage("Severe Error!    Msg no: 0147.",
                        "Unable to open output file to save results !\n\nAction: Try to save again the results, or "
                        "\n\nimmediately e-mail us, please!");
}

Message ReportNotReadableMessage(const std::string& path) {
    return ErrorMessage("Error !    Msg no: 0191.", "No, or damaged file ! Unable to open :\n\n" + path);
}

Message NoViewerMessage(const std::string& path, bool shownInOwnViewer) {
    return WarningMessage("Warning !    Msg no: 1150.",
                          "No viewer could be started for the file :\n\n" + path + "\n\n" +
                              (shownInOwnViewer ? "Action : The file is shown in the program's own viewer."
                                                : "Action : Open the file with a text viewer or editor."));
}

Message NoSavedReportChosenMessage() { return WarningMessage("Warning!    Msg no: 0190.", kNoSaveName); }

Message NoResultsForExportMessage() { return WarningMessage("Warning!    Msg no: 0208.", kNoResults); }

Message NoExportColumnsMessage() { return WarningMessage("Warning!    Msg no: 0209.", kNoColumns); }

Message NoExportFileMessage() {
    return WarningMessage(
        "Warning!    Msg no: 0210.",
        "No selected file name !!! !\n\nAction: You must select or enter a file name in the Export window !");
}

Message ExportOpenFailedMessage() {
    return ErrorMessage("Severe Error!    Msg no: 0211.",
                        "Unable to open output file to Export results !\n\nAction: Try to Export again the results, "
                        "or \n\nimmediately e-mail us, please!");
}

Message ReportWriteFailedMessage(const std::string& path) {
    return ErrorMessage("Severe Error!    Msg no: 1302.",
                        "Writing the report failed :\n\n" + path +
                            "\n\nA file saved there before is kept as it was.\n\n"
                            "Action : Check the free space of the disk, then save the report again.");
}

Message ExportWriteFailedMessage(const std::string& path) {
    return ErrorMessage("Severe Error!    Msg no: 1303.",
                        "Writing the export failed :\n\n" + path +
                            "\n\nA file saved there before is kept as it was.\n\n"
                            "Action : Check the free space of the disk, then export the results again.");
}

Message ReportSavedMessage() { return WarningMessage("Warning!  ", "Save operation completed !!! "); }

Message ExportSavedMessage() { return WarningMessage("Warning!  ", "Export operation completed !!! "); }

}  // namespace qf
