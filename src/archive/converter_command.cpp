#include "archive/converter_command.h"

#include <cstdlib>

#include "platform/executable_file.h"
#include "platform/folder_listing.h"
#include "platform/paths.h"

namespace qf {
namespace {

// The converters' own folder, handed to the child only: the program's
// environment is shared by its threads and never changes.
void AddAntiwordFolder(const std::string& appHome, ProcessRequest& request) {
    const std::string folder = JoinPath(appHome, "antiword");
    if (!IsEnterableFolder(folder)) return;
    const char* path = std::getenv("PATH");
    request.envChanges["PATH"] = path && *path ? std::string(path) + ":" + folder : folder;
    request.envChanges["HOME"] = folder;
}

}  // namespace

ProcessRequest WordConverterCommand(const std::string& appHome, const std::string& document, const std::string& text) {
    ProcessRequest request;
    const std::string script = JoinPath(appHome, "antiw.sh");
    if (IsExecutableFile(script)) {
        request.argv = {script, document, text};
    } else {
        request.argv = {"antiword", document};
        request.stdoutFile = text;
    }
    AddAntiwordFolder(appHome, request);
    return request;
}

ProcessRequest PdfConverterCommand(const std::string& appHome, const std::string& document, const std::string& text) {
    ProcessRequest request;
    const std::string local = JoinPath(JoinPath(appHome, "xPdf"), "pdftotext");
    request.argv = {IsExecutableFile(local) ? local : std::string("pdftotext"), "-layout", document, text};
    return request;
}

}  // namespace qf
