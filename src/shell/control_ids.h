#pragma once
// Control and command numbers of the main window. Each control carries its
// number as object name ("id135"), so tests and tool tips find it by number.

#include <QString>

namespace qf::shell {

enum ControlId : int {
    kIdModeGroup = 101,
    kIdByFileName = 102,
    kIdQueryTextIn = 103,
    kIdFileName = 104,
    kIdFileExtension = 105,
    kIdFolderName = 106,
    kIdFileContent = 107,
    kIdOptionsGroup = 108,
    kIdSelectFolders = 109,
    kIdSelectFiles = 110,
    kIdTextOptions = 111,
    kIdDateTimeSize = 112,
    kIdFeedbackGroup = 113,
    kIdCheckTavilan = 115,
    kIdShowTavilan = 116,
    kIdResultsGroup = 118,
    kIdExtractReports = 119,
    kIdGroupSort = 120,
    kIdStandardQuery = 123,
    kIdStandardBox = 124,
    kIdBooleanQuery = 127,
    kIdBooleanEditor = 128,
    kIdMicroBoolean = 129,
    kIdBooleanAssistant = 130,
    kIdResultWindow = 131,
    kIdStatistics = 132,
    kIdPreview = 134,
    kIdSearch = 135,
    kIdStop = 137,
    kIdRecordView = 138,
    kIdSmartCopy = 153,
    kIdLogCenter = 154,
    kIdClickGroup = 1584,
    kIdOpenDefaultApp = 1585,
    kIdOpenPreview = 1586,
};

enum CommandId : int {
    kCmdOpenSearchLogic = 1001,
    kCmdSaveSearchLogic = 1002,
    kCmdOpenSettings = 1011,
    kCmdSaveSettings = 1012,
    kCmdOpenTerms = 1015,
    kCmdSaveTerms = 1016,
    kCmdQuit = 1031,
    kCmdAbout = 1030,
    kCmdSmartCopy = 1039,
    kCmdUnzipLog = 1043,
    kCmdWordLog = 1044,
    kCmdPdfLog = 1045,
    kCmdCopyLog = 1046,
    kCmdPreferences = 1048,
    kCmdHelpContents = 1303,
    kCmdQuickStart = 1304,
    kCmdWebPage = 1305,
    kCmdSupport = 1308,
    kCmdExactPhrase = 1310,
    kCmdBooleanHelp = 1311,
};

inline QString IdName(int id) { return QStringLiteral("id%1").arg(id); }

}  // namespace qf::shell
