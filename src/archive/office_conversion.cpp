#include "archive/office_conversion.h"

#include <filesystem>
#include <fstream>

#include "archive/converted_path.h"
#include "archive/process_log.h"
#include "documents/document_text.h"
#include "platform/folder_ops.h"

namespace qf {
namespace {

constexpr std::string_view kOkText = "Office conversion OK ";
constexpr std::string_view kLogMessageNumber = "1050";

// The text file, replacing an older one; a file that could not be written
// whole is removed, since it is ours and would be searched as if complete.
bool WriteText(const std::string& path, const std::string& text) {
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        if (out && out.write(text.data(), std::streamsize(text.size())) && out.flush()) return true;
    }
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    return false;
}

}  // namespace

bool IsOfficeDocumentType(std::string_view extension) { return DocumentKindOf(extension) != DocumentKind::None; }

void ConvertOfficeDocument(ConversionContext& context, _Convert_Path_Info_Struct& request) {
    RunCounters& counters = context.counters;
    ++counters.nOfficeExamined;
    context.observer.CountersChanged();
    const std::string folder = ConvertedFolder(context.officeWorkFolder, kOfficeTree, request.sFolder);
    const std::string textPath = ConvertedFile(folder, request.sFullPath);
    CreateFolders(folder);
    DocumentText document = ExtractDocumentFile(DocumentKindOf(request.sExtension), request.sFullPath);
    if (document.Ok() && !WriteText(textPath, document.text))
        document = DocumentText::Refused("the text file cannot be written: " + textPath);

    ProcessLog log(context.logFolder, LogProcess::Office, context.messages);
    if (document.Ok()) {
        log.Good(kOkText, request.sFullPath, kLogMessageNumber);
        ++counters.nOfficeConverted;
    } else {
        log.Bad("Office conversion failed (" + document.refusal + ") ", request.sFullPath, kLogMessageNumber);
        ++counters.nOfficeFailed;
    }
    context.observer.CountersChanged();
    request.sConvExtension = "txt";
    request.sConvFolder = folder;
    request.sConvFullPath = textPath;
}

}  // namespace qf
