// Section "DATE/TIME/SIZE : ".
#include "platform/file_time.h"
#include "reports/description_builder.h"

namespace qf::description {
namespace {

struct DateRuleKeys {
    Opt check, include, exclude, between, previous, from, to, count, unit;
    const char* includeText;
    const char* excludeText;
    const char* betweenText;
    const char* previousText;
};

const char* UnitText(int32_t unit) {
    static const char* const kUnits[] = {"Minutes", "Hours", "Days", "Weeks", "Months", "Years"};
    return unit >= 0 && unit < 6 ? kUnits[unit] : "";
}

void DateEntries(Builder& b, const DateRuleKeys& k) {
    const Options& o = b.o;
    if (!o.On(k.check)) return;
    if (o.On(k.include)) b.On(k.includeText);
    if (o.On(k.exclude)) b.On(k.excludeText);
    if (o.On(k.between))
        b.Entry(k.betweenText, FormatDateTimeSeconds(o.Date(k.from)) + "  to   " + FormatDateTimeSeconds(o.Date(k.to)));
    if (o.On(k.previous)) b.Entry(k.previousText, Number(o.Int(k.count)) + "    " + UnitText(o.Int(k.unit)));
}

const char* SizeUnitText(const Options& o, const SizeRuleKeys& k) {
    if (o.On(k.bytes)) return " bytes.";
    if (o.On(k.kilo)) return " kilobytes.";
    if (o.On(k.mega)) return " megabytes.";
    if (o.On(k.giga)) return " gigabytes.";
    return "";
}

}  // namespace

void SizeEntry(Builder& b, const SizeRuleKeys& k) {
    const Options& o = b.o;
    std::string text = "ERROR- unkonown files sizes settings !!!";
    std::string value = Number(o.Size(k.from));
    if (o.On(k.larger)) {
        text = "Files with size larger than ";
    } else if (o.On(k.smaller)) {
        text = "Files with size smaller than ";
    } else if (o.On(k.equal)) {
        text = "Files with size equal to ";
    } else if (o.On(k.between)) {
        text = "Files with size between ";
        value += " and  " + Number(o.Size(k.to));
    }
    b.Entry(text, value + SizeUnitText(o, k));
}

void DateSizeSection(Builder& b) {
    b.Blank();
    b.Heading("DATE/TIME/SIZE : ");
    DateEntries(
        b, {Opt::CREACKTIME, Opt::CREINCRADO, Opt::CREEXCRADO, Opt::CREABETWEN, Opt::CREAPREVOS, Opt::CRFROMDATE,
            Opt::CREATODATE, Opt::CRTIMENUMB, Opt::CREAGETYPE,
            "Include Creation date and time for file :  ", "Exclude Creation date and time for file :  ",
            "Creation date and time for file is from         : ", "Creation date and time for file is during last "});
    DateEntries(b,
                {Opt::ACCCHKTIME, Opt::ACCINCRADO, Opt::ACCEXCRADO, Opt::ACCBETWEEN, Opt::ACCPREVIOS, Opt::ACFROMDATE,
                 Opt::ACCSTODATE, Opt::ACTIMENUMB, Opt::ACCAGETYPE, "Include Last Access date and time for file :  ",
                 "Exclude Last Access date and time for file :  ", "Last accessed date and time for file is from : ",
                 "Last accessed date and time for file is during last   "});
    DateEntries(b, {Opt::WRTCHKTIME, Opt::WRIINCRADO, Opt::WRIEXCRADO, Opt::WRTBETWEEN, Opt::ERTPREVIOS,
                    Opt::WRFROMDATE, Opt::WRITTODATE, Opt::WRTIMENUMB, Opt::WRTAGETYPE,
                    "Include Last Write (modified) date and time for file :  ",
                    "Exclude Last Write (modified) date and time for file :  ",
                    "Last modification date and time for file is from       : ",
                    "Last modification date and time for file is during last "});
    if (b.o.On(Opt::CSIZECHECK))
        SizeEntry(b, {Opt::SIZELARGER, Opt::SIZESMALER, Opt::SIZEEQUALT, Opt::SIZEBETWEN, Opt::SIZEFROMTW,
                      Opt::SIZETOWWWW, Opt::SIZEINBYTS, Opt::SIZENKBYTS, Opt::SIZENMBYTS, Opt::SIZENGBYTS});
}

}  // namespace qf::description
