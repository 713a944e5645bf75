// Section "TEXT options : ".
#include "reports/description_builder.h"

namespace qf::description {
namespace {

std::string Keys(const OptionMap& map) {
    std::string out;
    for (const auto& [key, unused] : map) out += (out.empty() ? "" : " ") + key;
    return out;
}

void AllWordsEntry(Builder& b) {
    if (!b.o.On(Opt::CKALLWORDS)) return;
    std::string text = "All search term(s)/phrase(s) must appeared in one file :";
    std::string value;
    if (b.o.On(Opt::INGIVORDER)) {
        value = "In one line - in given order.  ";
    } else if (b.o.On(Opt::INANYORDER)) {
        value = " In one line - in any order.  ";
    } else {
        text += " ";
        value = "Anywhere in file - in any order.  ";
    }
    const bool limited = b.o.On(Opt::STARTCHECK) || b.o.On(Opt::CLINENUMBR);
    if (limited) value = "In limited area of given file(s) - in any order.  ";
    b.Entry(text, value);
    if (limited) b.On("Limited area of search in file : ");
}

void WordRuleEntries(Builder& b) {
    b.OnIf(Opt::CKANYWORDS, "Any of search term(s)/phrase(s) in file. ");
    b.OnIf(Opt::NOTCONTAIN, "Files NOT containing search term(s)/phrase(s). ");
    b.OnIf(Opt::ALLWORDPRT, "All term(s)/phrase(s) - part and whole.  ");
    b.OnIf(Opt::WHOLEWORDS, "Whole term(s)/phrase(s).  ");
    b.OnIf(Opt::PARTSWORDS, "Part of other term(s)/phrase(s).  ");
    if (b.o.On(Opt::INCDELIMTS)) {
        b.On("Included delimiters.  ");
        b.Entry("Included delimiter(s) is/are :", Keys(b.o.Map(Opt::INCDELMMAP)));
    }
    if (b.o.On(Opt::SELONEDELM)) b.Entry("One delimiter is choosen : ", b.o.Text(Opt::SELONEDLMN));
}

void ConditionEntries(Builder& b) {
    const Options& o = b.o;
    if (o.On(Opt::STARTCHECK) && o.On(Opt::STARTLNRAD))
        b.Entry("Condition to start - line number :  ", Number(o.Int(Opt::STARTLNUMB)));
    if (o.On(Opt::STARTCHECK) && o.On(Opt::STARTTRADO))
        b.Entry("Condition to start - text to start : ", o.Text(Opt::STARTETRMS));
    if (o.On(Opt::CLINENUMBR) && o.On(Opt::LINENRADIO))
        b.Entry("Condition to stop - line number :  ", Number(o.Int(Opt::EDITLNUMBR)));
    if (o.On(Opt::CLINENUMBR) && o.On(Opt::TERMSRADIO))
        b.Entry("Condition to stop - text to stop : ", o.Text(Opt::EDITSTERMS));
}

void DisplayEntries(Builder& b) {
    if (b.o.linesWithHitsMode != 2)
        b.Entry("Display number of lines with hits from the same file : ",
                Number(b.o.Int(Opt::RESLINENUM)) + "(before search)");
    b.Entry("Limit the maximum number of lines with hits to : ", Number(b.o.Int(Opt::SEARCHMAXL)));
    b.OnIf(Opt::DISPLAYATE, "Display result lines - all at once :  ");
    b.OnIf(Opt::DISPLAYDUR, "Display result lines - one by one :  ");
}

void CommentEntries(Builder& b) {
    const bool check = b.o.On(Opt::CHECKCOMMT);
    if (check && b.o.On(Opt::INCCOMCHAR)) {
        b.On("Included comment characters :");
        b.Entry("Included comment character(s) is/are :", Keys(b.o.Map(Opt::INCCOMMMAP)));
    }
    if (check && b.o.On(Opt::ONECOMCHAR)) b.Entry("One Comment Character is choosen : ", b.o.Text(Opt::SELONECHAR));
    b.OnIf(Opt::NOTSHCMMNT, "Don't show commented results. ");
    b.OnIf(Opt::ONLYSCMMNT, "Show commented results only.");
    b.OnIf(Opt::BOTHCMMNTS, "Show lines with both commented and uncommented results.");
}

}  // namespace

void TextSection(Builder& b) {
    b.Blank();
    b.Heading("TEXT options : ");
    b.On(b.o.On(Opt::CASESENSIT) ? "Case sensitive.  " : "Case insensitive.  ");
    AllWordsEntry(b);
    WordRuleEntries(b);
    ConditionEntries(b);
    DisplayEntries(b);
    CommentEntries(b);
    b.Entry("Separator for search terms : ", b.o.Text(Opt::SEPARATORH));
    b.OnIf(Opt::RESTORETIM, "Restore Last Access Time (except for c:\\windows\\ and subf.) ");
    b.OnIf(Opt::SEARCHENDC, "Confirm end message  ");
    b.OnIf(Opt::SEARCHENDB, "Confirm end sound  ");
    b.OnIf(Opt::WARNINGTMP, "Confirm displaying Warning Window for deleting temorary folders and files ");
}

}  // namespace qf::description
