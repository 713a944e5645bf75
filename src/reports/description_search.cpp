// Sections "Search by ", "Selected FOLDER(s): " and "Selected FILE(s): ".
#include "reports/description_builder.h"

namespace qf::description {
namespace {

constexpr size_t kTypesPerLine = 12;

std::string OneLine(std::string text) {
    for (char& c : text)
        if (c == '\n' || c == '\r') c = ' ';
    return text;
}

void QueryEntries(Builder& b) {
    if (b.o.On(Opt::STANRADIO1)) {
        b.On("Standard Search ");
        if (!b.src.standardQuery.empty()) b.Entry("Search term(s) and/or phrase(s) is/are : ", b.src.standardQuery);
    }
    if (b.o.On(Opt::BOOLRADIO1)) {
        b.On("Boolean Search ");
        if (!b.src.booleanQuery.empty())
            b.Entry("Boolean search term(s) and/or phrase(s) is/are : ", OneLine(b.src.booleanQuery));
    }
    if (b.o.On(Opt::MICROBOOLR)) {
        b.On("Micro Boolean Search ");
        if (!b.src.booleanQuery.empty())
            b.Entry("Micro Boolean search term(s) and/or phrase(s) is/are : ", OneLine(b.src.booleanQuery));
    }
}

std::string Patterns(const OptionList& patterns) {
    if (patterns.empty()) return "*.*";
    std::string out;
    for (const std::string& p : patterns) out += (out.empty() ? "" : " ") + p;
    return out;
}

// Limits of our own, described only when changed from their defaults.
void LimitEntries(Builder& b) {
    const auto limit = [&b](Opt option, const std::string& text, const std::string& unit, const char* none) {
        const int64_t value = b.o.Int(option);
        if (value == InfoOf(option).defaultNumber) return;
        b.Entry(text, value > 0 ? Number(value) + unit : none);
    };
    limit(Opt::CONVTIMELM, "Time limit of one Word or Pdf conversion", " seconds", "no limit");
    limit(Opt::ZIPRATIOLM, "Largest expansion of a Zip file over 1 MiB", " : 1", "no limit");
    limit(Opt::ZIPBUDGETM, "Most data unzipped in one search", " MiB, at most half the free space",
          "half the free space");
}

}  // namespace

void Builder::Types(const std::string& text, const OptionMap& types) {
    std::vector<std::string> lines(1);
    size_t onLine = 0;
    for (const auto& [type, unused] : types) {
        if (onLine == kTypesPerLine) {
            lines.emplace_back();
            onLine = 0;
        }
        lines.back() += (onLine ? " " : "") + type;
        ++onLine;
    }
    Entry(text, lines.front());
    for (size_t i = 1; i < lines.size(); ++i) Raw(std::string(11, ' '), lines[i]);
}

void Builder::Folders(const std::string& heading, const std::vector<std::string>& folders, bool asValue) {
    if (folders.empty()) return;
    Entry(heading, "");
    const std::string indent(20, ' ');
    for (const std::string& folder : folders) {
        if (asValue)
            Raw(indent, folder);
        else
            Raw(indent + folder, "");
    }
}

void SearchBySection(Builder& b) {
    b.Heading("Search by ");
    b.OnIf(Opt::STYDOSFILE, b.src.report ? "File name search only " : "File name search only");
    b.OnIf(Opt::STSTRGFILE, "File name search (Query text)");
    b.OnIf(Opt::STYPFOLDER, "Folder name search (Query text)");
    b.OnIf(Opt::STYPESTEXT, "File content search (Query text)");
    QueryEntries(b);
    b.OnIf(Opt::APPSORRADO, "Open the Preview window :  ");
    b.OnIf(Opt::APPDEFRADO, "Open the Default application :  ");
    b.Entry("Folder for converting Word documents to text", b.o.Text(Opt::WORDWRKDIR));
    b.Entry("Folder for converting Pdf documents to text", b.o.Text(Opt::PDFWORKDIR));
    b.Entry("Folder for Unzipping Zip files", b.o.Text(Opt::ZIPWORKDIR));
    if (b.o.On(Opt::CONVOFFICE)) {
        b.On("Search inside Office and OpenDocument files");
        b.Entry("Folder for converting Office documents to text", b.o.Text(Opt::OFFWRKDIR));
    }
    LimitEntries(b);
    b.OnIf(Opt::ARCHIVNONE, b.src.report ? "No File Attributes check for ARCHIVE files (default). "
                                         : "No File Attributes check for ARCHIVE files (default).  ");
    b.OnIf(Opt::ARCHIVEALL, "File Attributes check for Archive files and their contents too.  ");
    b.OnIf(Opt::ARCHIVEARC, "File Attributes check for Archive files only.  ");
    b.OnIf(Opt::ARCHIVECON, "File Attributes check for Archive file content only.  ");
    b.OnIf(Opt::SUMSHWHIDE, "Summary window is automatically displayed at starting the search process.  ");
    b.OnIf(Opt::RESTORELST, "Restore the last folders, query and options at start.  ");
}

void FolderSection(Builder& b) {
    b.Blank();
    b.Heading("Selected FOLDER(s): ");
    const bool asValue = !b.src.report;
    b.Folders("Included folder(s) is/are : ", b.o.List(Opt::DIRECTORIS), asValue);
    b.Folders("Excluded (ignored) folder(s) is/are : ", b.o.List(Opt::EXCDIRECTS), asValue);
    b.OnIf(Opt::SUBFOLDERS, "Search in subfolders.  ");
    if (TermRuleSet(b.o, Opt::FOLDSTRCHK, Opt::FOLDCRITER))
        b.Entry("Search only in folder(s) that contain TERM in their name(s) : ",
                Trimmed(b.o.Text(Opt::FOLDCRITER)) + ".");
    if (TermRuleSet(b.o, Opt::FOLDESTRCH, Opt::FOLDECRITE))
        b.Entry("Exclude folder(s) from Search that contain TERM in their name(s) : ",
                Trimmed(b.o.Text(Opt::FOLDECRITE)) + ".");
}

void FileSection(Builder& b) {
    b.Blank();
    b.Heading("Selected FILE(s): ");
    if (b.o.On(Opt::STYDOSFILE) || b.o.On(Opt::MATCHFILNA))
        b.Entry("File name(s) and extension(s) is/are : ", Patterns(b.o.List(Opt::FILENAMES1)));
    b.OnIf(Opt::ALLFILETPS, "All file types (*.*)  ");
    if (b.o.On(Opt::EXCFILETPS)) {
        b.On("All  except excluded   ");
        b.Types("Excluded file type(s) is(are) : ", b.o.Map(Opt::EXCFILEMAP));
    }
    if (b.o.On(Opt::INCFILETPS)) {
        b.On("Included file types ");
        b.Types("Included file type(s) is(are) : ", b.o.Map(Opt::INCFILEMAP));
    }
    if (b.o.On(Opt::SELONEFLTS)) {
        b.On("One file types ");
        b.Entry("Choosen file type is : ", b.o.Text(Opt::SELONEFILE));
    }
    if (b.o.On(Opt::STYPESTEXT)) {
        b.Entry("For file content (Query text) search  binary types are :", "Excluded");
        b.Types("Binary file type(s) is(are) : ", b.o.binaryFileTypes);
    }
    if (TermRuleSet(b.o, Opt::FILEISTRCH, Opt::FILEICRITE))
        b.Entry("Search only in file(s) that contain TERM in their name(s) : ",
                Trimmed(b.o.Text(Opt::FILEICRITE)) + ".");
    if (TermRuleSet(b.o, Opt::FILEESTRCH, Opt::FILEECRITE))
        b.Entry("Exclude file(s) from Search that contain TERM in their name(s) : ",
                Trimmed(b.o.Text(Opt::FILEECRITE)) + ".");
}

}  // namespace qf::description
