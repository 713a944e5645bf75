#include "archive/document_conversion.h"

#include <filesystem>
#include <system_error>

#include "archive/converted_path.h"
#include "archive/converter_command.h"
#include "archive/office_conversion.h"
#include "archive/process_log.h"
#include "platform/case_fold.h"
#include "platform/folder_ops.h"
#include "platform/paths.h"

namespace qf {
namespace {

// What differs between the Word and the PDF conversion.
struct Converter {
    std::atomic<int64_t> RunCounters::*examined;
    std::atomic<int64_t> RunCounters::*converted;
    std::atomic<int64_t> RunCounters::*failed;
    const char* tree;
    LogProcess log;
    const char* okText;
    const char* failedText;
    const char* timedOutText;
    const char* stoppedText;
    const char* messageNumber;
    ProcessRequest (*command)(const std::string& appHome, const std::string& document, const std::string& text);
};

constexpr Converter kWord{&RunCounters::nWordExamined, &RunCounters::nWordConverted, &RunCounters::nWordFailed,
                          kWordTree, LogProcess::Word, " Word conversion OK ", " Word conversion failed ",
                          " Word conversion timed out ", " Word conversion stopped ", "0225",
                          &WordConverterCommand};
constexpr Converter kPdf{&RunCounters::nPdfExamined, &RunCounters::nPdfConverted, &RunCounters::nPdfFailed,
                         kPdfTree, LogProcess::Pdf, "Pdf conversion OK ", "Pdf conversion failed ",
                         "Pdf conversion timed out ", "Pdf conversion stopped ", "0228",
                         &PdfConverterCommand};

ProcessLimits LimitsOf(const ConversionContext& context) {
    ProcessLimits limits;
    limits.stopRequest = context.stopRequest;
    if (context.timeLimitSeconds > 0) limits.timeLimit = std::chrono::seconds(context.timeLimitSeconds);
    return limits;
}

const char* FailureText(const Converter& converter, ProcessEnd end) {
    if (end == ProcessEnd::TimedOut) return converter.timedOutText;
    if (end == ProcessEnd::Stopped) return converter.stoppedText;
    return converter.failedText;
}

void RemoveFileQuietly(const std::string& path) {
    std::error_code ec;
    std::filesystem::remove(path, ec);
}

void Convert(ConversionContext& context, const Converter& converter, const std::string& workFolder,
             _Convert_Path_Info_Struct& request) {
    RunCounters& counters = context.counters;
    ++(counters.*converter.examined);
    context.observer.CountersChanged();
    const std::string folder = ConvertedFolder(workFolder, converter.tree, request.sFolder);
    const std::string text = ConvertedFile(folder, request.sFullPath);
    CreateFolders(folder);
    const ProcessOutcome outcome = RunProcessWithLimits(converter.command(context.appHome, request.sFullPath, text),
                                                        LimitsOf(context));
    ProcessLog log(context.logFolder, converter.log, context.messages);
    if (outcome.end == ProcessEnd::Exited && outcome.exitCode == 0) {
        log.Good(converter.okText, request.sFullPath, converter.messageNumber);
        ++(counters.*converter.converted);
    } else {
        log.Bad(FailureText(converter, outcome.end), request.sFullPath, converter.messageNumber);
        ++(counters.*converter.failed);
        // Half a text would give half the hits: an ended converter leaves none.
        if (outcome.end == ProcessEnd::TimedOut || outcome.end == ProcessEnd::Stopped) RemoveFileQuietly(text);
    }
    context.observer.CountersChanged();
    request.sConvExtension = "txt";
    request.sConvFolder = folder;
    request.sConvFullPath = text;
}

void TellConverting(ConversionContext& context, const std::string& fullPath) {
    context.observer.StatusText("Converting : ");
    context.observer.CurrentName(fullPath);
}

// Whether a file of the lowercase extension is converted in this run.
bool ConvertsType(const ConversionContext& context, const std::string& extension) {
    return ConvertsDocument(extension) || (context.officeDocs && IsOfficeDocumentType(extension));
}

// A document of a type ConvertsType accepts, by its lowercase extension.
void ConvertByType(ConversionContext& context, _Convert_Path_Info_Struct& request, const std::string& extension) {
    if (extension == "doc") Convert(context, kWord, context.wordWorkFolder, request);
    else if (extension == "pdf") Convert(context, kPdf, context.pdfWorkFolder, request);
    else ConvertOfficeDocument(context, request);
}

}  // namespace

bool ConvertsDocument(const std::string& extension) {
    return EqualsIgnoreCase(extension, "doc") || EqualsIgnoreCase(extension, "pdf");
}

void ConvertDocument(ConversionContext& context, _Convert_Path_Info_Struct& request) {
    TellConverting(context, request.sFullPath);
    const std::string extension = CharLowerA(request.sExtension);
    if (ConvertsType(context, extension)) ConvertByType(context, request, extension);
}

void ConvertSelectedFile(ConversionContext& context, tagSelectedFileFolderStruct& file) {
    TellConverting(context, file.fullPath);
    // Every file is told, but most are no documents: they need no request.
    const std::string extension = CharLowerA(file.extension);
    if (!ConvertsType(context, extension)) return;
    _Convert_Path_Info_Struct request{file.extension, file.folderPath, file.fullPath, {}, {}, {}};
    ConvertByType(context, request, extension);
    if (request.sConvExtension.empty()) return;
    file.convertedExtension = request.sConvExtension;
    file.convertedFolder = request.sConvFolder;
    file.convertedFileName = BaseName(request.sConvFullPath);
    file.convertedFullPath = request.sConvFullPath;
}

}  // namespace qf
