// The summary lines under the screen description.
#include "reports/settings_description.h"

namespace qf {
namespace {

const char* const kBinaryOn = "Binary (excluded for file content search) file types : ON.";
const char* const kBinaryOff = "Binary (excluded for file content search) file types : OFF.";

void TargetLines(const Options& o, bool allTypes, std::vector<std::string>& lines) {
    if (o.On(Opt::STSTRGFILE))
        lines.push_back(allTypes
                            ? "For File names search (Query text) - All file types (*.*) will be searched. "
                            : "For File names search (Query text) - All file types except excluded will be searched. ");
    if (o.On(Opt::SSTRGFILEE))
        lines.push_back(
            allTypes ? "For File extension search (Query text) - All file types (*.*) will be searched. "
                     : "For File extension search (Query text) - All file types except excluded will be searched. ");
    if (o.On(Opt::STYPFOLDER))
        lines.push_back("For Folder name search (Query text) - irrelevant - no files will be searched. ");
    if (o.On(Opt::STYPESTEXT))
        lines.push_back(
            allTypes ? "For file content search (Query text) - All (*.*) except binary will be searched. "
                     : "For file content search (Query text) - All  except excluded and binary will be searched. ");
}

void FileTypeLines(const Options& o, std::vector<std::string>& lines) {
    if (o.On(Opt::ALLFILETPS) || o.On(Opt::EXCFILETPS)) {
        const bool all = o.On(Opt::ALLFILETPS);
        lines.push_back("Active file types : ON.");
        lines.push_back(all ? "Excluded file types : OFF." : "Excluded file types : ON.");
        TargetLines(o, all, lines);
    } else if (o.On(Opt::INCFILETPS) || o.On(Opt::SELONEFLTS)) {
        lines.push_back("Active file types : ON.");
        lines.push_back("Excluded file types : OFF.");
    }
}

}  // namespace

std::vector<std::string> DescriptionSummaryLines(const Options& o) {
    if (o.On(Opt::STYDOSFILE))
        return {"Active file types : OFF.", "Excluded file types : OFF.", kBinaryOff, "Active delimiters : OFF.",
                "Active comments : OFF."};
    std::vector<std::string> lines{o.On(Opt::STYPESTEXT) ? kBinaryOn : kBinaryOff};
    FileTypeLines(o, lines);
    const bool delimiters = o.On(Opt::INCDELIMTS) || o.On(Opt::SELONEDELM);
    lines.push_back(delimiters ? "Active Delimiters : ON." : "Active Delimiters : OFF.");
    const bool comments = o.On(Opt::INCCOMCHAR) || o.On(Opt::ONECOMCHAR);
    lines.push_back(comments ? "Active Comments : ON." : "Active Comments : OFF.");
    return lines;
}

}  // namespace qf
