// Sections "Managing RESULTS : ", "Managing EXTRACTS-REPORTS : ",
// " COPY options : " and "REVERSE READ ORDER. ".
#include "reports/description_builder.h"

namespace qf::description {
namespace {

std::string ColumnNames(const ColumnList& columns) {
    std::string out;
    for (const _List_Name_Struct& column : columns) out += (out.empty() ? "" : ", ") + column.sName;
    return out;
}

void ReverseConditions(Builder& b) {
    const Options& o = b.o;
    if (o.On(Opt::REVSTARTCH) && o.On(Opt::REVSALNRAD))
        b.Entry("Condition to reverse start - line number :  ", Number(o.Int(Opt::REVSALNUMB)));
    if (o.On(Opt::REVSTARTCH) && o.On(Opt::REVSATRADO))
        b.Entry("Condition to reverse start - text to reverse start : ", o.Text(Opt::REVSATTRMS));
    if (o.On(Opt::REVSTOPCHK) && o.On(Opt::REVSOLNRAD))
        b.Entry("Condition to reverse stop - line number :  ", Number(o.Int(Opt::REVSOLNUMB)));
    if (o.On(Opt::REVSTOPCHK) && o.On(Opt::REVSOTRADO))
        b.Entry("Condition to reverse stop - text to reverse stop : ", o.Text(Opt::REVSOTTRMS));
}

}  // namespace

void ResultsSection(Builder& b) {
    b.Blank();
    b.Heading("Managing RESULTS : ");
    b.Entry("Sort by :  ", b.o.Text(Opt::SELSORTORD));
    b.OnIf(Opt::ASCSORTORD, "Ascending sort order");
    b.OnIf(Opt::DSCSORTORD, "Descending sort order");
    if (b.o.linesWithHitsMode == 2)
        b.Entry("Modify - In Result Window display number of lines with hits :  ",
                b.o.linesWithHitsNote + " " + Number(b.o.Int(Opt::ARESLINENU)));
    b.Entry("In preview window display number of lines - above target line :  ", Number(b.o.Int(Opt::ABOVERESNO)));
    b.Entry("In preview window display number of lines - below target line :  ", Number(b.o.Int(Opt::BELOWRESNO)));
}

void ReportsSection(Builder& b) {
    b.Blank();
    b.Heading("Managing EXTRACTS-REPORTS : ");
    b.OnIf(Opt::LISTSETCHK, b.src.report ? "Save Profile" : "Save profile");
    b.OnIf(Opt::LISTRESCHK, "Save result lines");
    b.OnIf(Opt::LISTSUMMAR, "Save summary-statistics");
    if (b.o.On(Opt::LISTPRECHK)) {
        b.On("Save preview");
        b.OnIf(Opt::LISTPRERAD, "     Preview only");
        b.OnIf(Opt::LISTPRRRED, "     Result line + preview");
    }
    b.Entry("Included list column(s) is/are   : ", ColumnNames(b.o.Columns(Opt::LISTINCLIS)));
    b.Entry("Excluded list column(s) is/are : ", ColumnNames(b.o.Columns(Opt::LISTEXCLIS)));
}

void CopySection(Builder& b) {
    b.Blank();
    b.Heading(" COPY options : ");
    b.OnIf(Opt::CFRESULTSC, "Copy Results");
    b.OnIf(Opt::CFWORDCHKB, "Copy Converted Word Documents");
    b.OnIf(Opt::CFPDFCHECK, "Copy Converted Pdf Documents");
    b.OnIf(Opt::CFUNZIPCHK, "Copy Unzipped files");
    b.Entry("Active Folder to copy is :", b.o.Text(Opt::CFSDFLEDIT));
    b.Folders("Folders for copy are : ", b.src.copyDestinations, true);
    b.OnIf(Opt::CFDELCHKBX, "Delete Folders and subfolders before copy");
    b.OnIf(Opt::CFOVWRRDBN, "Overwrite files");
    b.OnIf(Opt::CFINCRRDBN, "Increase file names");
    b.OnIf(Opt::CFNWEXRDBN, "Increase file types");
    b.OnIf(Opt::CFINONEFOL, "All files will be copied in one folder");
    b.OnIf(Opt::CFINSUBFOL, "All files will be copied in subfolders with file types");
    b.OnIf(Opt::CFINONEFOS, "All files will be copied in one folder with structure");
    b.OnIf(Opt::CFINSUBFOS, "All files will be copied in subfolders with file types, struct");
}

void ReverseSection(Builder& b) {
    if (!b.o.On(Opt::REVCHECKBX)) return;
    b.Blank();
    b.Heading("REVERSE READ ORDER. ");
    b.OnIf(Opt::REVREVERSE, "Search results in reverse order");
    b.OnIf(Opt::REVORIGINL, "Search results in original order");
    if (b.o.On(Opt::REVWRTCHKB)) {
        b.Raw("         Examined lines will be written in file.", "ON");
        b.Raw("         File type (extension) for files is : ", b.o.Text(Opt::REVFILETYP));
        b.Entry("Folder to write files is : ", b.o.Text(Opt::REVFOLDERS));
    }
    ReverseConditions(b);
    // The size rule applies when not every file is read in reverse.
    if (!b.o.On(Opt::REVERSEALL))
        SizeEntry(b, {Opt::REVELARGER, Opt::REVESMALER, Opt::REVEEQUALT, Opt::REVEBETWEN, Opt::REVEFROMTW,
                      Opt::REVETOWWWW, Opt::REVEINBYTS, Opt::REVENKBYTS, Opt::REVENMBYTS, Opt::REVENGBYTS});
    b.OnIf(Opt::REVERSEALL, "All Files will be searched in reverse order. ");
    b.Entry("Buffer size : ", Number(b.o.Int(Opt::REVBUFFNUM)));
}

}  // namespace qf::description
