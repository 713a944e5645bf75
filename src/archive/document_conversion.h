#pragma once
// Word and PDF documents turned into text files by the outside converters,
// so that the content scan can read them line by line.

#include <atomic>
#include <string>

#include "platform/user_messages.h"
#include "results/run_counters.h"
#include "results/search_observer.h"
#include "results/selected_file.h"

namespace qf {

// One conversion's request (the first three fields) and answer (the last
// three: "txt", the converted folder and the text file, set for every Word
// or PDF document whether its conversion succeeds or not).
struct _Convert_Path_Info_Struct {
    std::string sExtension;
    std::string sFolder;
    std::string sFullPath;
    std::string sConvExtension;
    std::string sConvFolder;
    std::string sConvFullPath;
};

// What one run shares between its conversions. The references must outlive it.
struct ConversionContext {
    std::string appHome;         // where antiw.sh, antiword/ and xPdf/ may live
    std::string wordWorkFolder;  // WORDWRKDIR or its default
    std::string pdfWorkFolder;   // PDFWORKDIR or its default
    std::string logFolder;
    RunCounters& counters;
    SearchObserver& observer;
    UserMessages& messages;
    std::string officeWorkFolder = {};              // OFFWRKDIR or its default
    bool officeDocs = false;                        // CONVOFFICE: Office, OpenDocument and RTF documents are read
    const std::atomic<int>* stopRequest = nullptr;  // a Stop ends the converter at once
    int timeLimitSeconds = 0;                       // CONVTIMELM; 0 or less: no limit
};

// True for the extensions that a converter turns into text ("doc", "pdf", any case).
bool ConvertsDocument(const std::string& extension);

// Converts a "doc" or "pdf" document (extension compared in lower case) and
// waits for the converter; with `officeDocs` an Office, OpenDocument or RTF
// document is read into text as well; any other file is left alone. A
// converter that is missing or fails counts as a failed conversion; one that
// runs past the time limit or is stopped is ended and its document stays
// unconverted.
void ConvertDocument(ConversionContext& context, _Convert_Path_Info_Struct& request);

// The same for a selected file: the answer fills its converted columns.
void ConvertSelectedFile(ConversionContext& context, tagSelectedFileFolderStruct& file);

}  // namespace qf
