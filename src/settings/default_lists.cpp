#include "settings/default_lists.h"

#include "platform/case_fold.h"
#include "platform/file_time.h"

namespace qf {

const std::vector<std::string>& DefaultIncludedTypes() {
    static const std::vector<std::string> list = {
        "doc", "pdf", "acp", "adm", "adp", "aff", "asd", "asp", "aspx", "asx", "avp", "avs", "backup", "bar",
        "bat", "boot", "btl", "c", "cc", "cch", "cfg", "chs", "cht", "cmd", "cnf", "config", "cp1250",
        "cp1251", "cp1253", "cp1254", "cp1256", "cp1257", "cpp", "cpx", "css", "ctl", "cxx", "dbx", "default",
        "dep", "deu", "dic", "divl", "diz", "dlg", "dmc", "dsk", "dsp", "dsw", "dtd", "dtdxml", "dun", "elm",
        "eng", "enu", "ext", "exv", "fal", "fra", "gst", "h", "hhk", "hi", "hkf", "hpp", "hta", "htm", "html",
        "htt", "htx", "hxx", "ibt", "icw", "in", "inc", "inf", "ini", "inl", "ion", "iqy", "ipp", "isp", "iqy",
        "ja", "jam", "java", "jcf", "js", "ko", "lks", "log", "m", "m3u", "mab", "mac", "mak", "manifest", "mf",
        "mfl", "mi", "milk", "mnu", "mof", "mso", "msc", "nav", "noext", "obe", "osd", "pattern", "pbk", "php",
        "pl", "po", "policy", "ppa", "pro", "properties", "prx", "py", "q1", "rat", "rc", "rdf", "reg", "rep",
        "rgs", "rh", "rpt", "rsp", "ru", "sam", "scf", "scp", "sep", "sgml", "sh", "shp", "shtml", "sln", "sps",
        "src", "sql", "stl", "stx", "tab", "tar", "tbl", "th", "theme", "toc", "txt", "uis", "uml", "uninstall",
        "url", "v2", "vbs", "vcproj", "ver", "vmd", "vsdir", "wdl", "wpl", "we", "wul", "xml", "xnf", "xsl",
        "xul", "y", "yy"};
    return list;
}

const std::vector<std::string>& DefaultExcludedTypes() {
    static const std::vector<std::string> list = {"bak", "nt", "old", "org", "sav"};
    return list;
}

const std::vector<std::string>& DefaultBinaryTypes() {
    static const std::vector<std::string> list = {
        "exe", "com", "zip", "rtf", "323", "386", "669", "aac", "acl", "acg", "acm", "acs", "aff", "ani", "ann",
        "ape", "api", "apl", "aps", "arj", "asf", "avc", "avi", "aw", "ax", "bdr", "bin", "bmp", "bmk", "box",
        "btr", "cab", "cat", "cgm", "chm", "chi", "chk", "chq", "chw", "clb", "cls", "cnv", "cnt", "col", "cpf",
        "cpi", "cpl", "crt", "cur", "ctm", "dar", "dat", "data", "db", "dbf", "dbl", "dct", "dib", "dif", "div",
        "divx", "dll_", "dll", "dls", "dmp", "dot", "dps", "drv", "ds", "edb", "eps", "esn", "evt", "ex_", "exd",
        "fal", "flt", "fnt", "fon", "fpx", "ftg", "fts", "gid", "gif", "gra", "gz", "hdmp", "hdr", "hlp", "idb",
        "icm", "icns", "ico", "id", "ilc", "ild", "ilf", "ils", "ime", "ind", "inx", "isu", "ita", "jar", "jpg",
        "jpeg", "key", "lex", "lib", "lic", "ldo", "lng", "lnk", "lxa", "maki", "map", "mar", "mda", "mdb",
        "mde", "mdt", "mdw", "mdmp", "mid", "mmc", "mpeg", "mp3", "mpa", "mpg", "msg", "msi", "nch", "nld",
        "nlp", "nls", "nws", "obj", "ocx", "olb", "opt", "otf", "pf", "pfb", "pfm", "pif", "pip", "pnf", "png",
        "pot", "ppa", "pps", "ppt", "prc", "prf", "query", "ram", "rar", "rll", "rom", "scc", "scr", "sdb",
        "sdf", "sec", "sfx", "shw", "sig", "skin", "sll", "spd", "sst", "suo", "sy_", "sys", "sve", "swf", "tbd",
        "tdh", "tds", "tga", "tgz", "tiff", "tlb", "ttf", "trm", "tsk", "tsp", "ttf", "uce", "vsdir", "vwp",
        "vx_", "vxd", "wa~", "wab", "wac", "wav", "wb2", "wb4", "wiz", "wk4", "wma", "wmf", "wmv", "wmz", "wpc",
        "wpd", "wpg", "ww3", "xla", "xpi", "xll", "xpt", "xls", "xlt"};
    return list;
}

const std::vector<std::string>& DefaultIncludedDelimiters() {
    static const std::vector<std::string> list = {"!", "space", ".", ",", "!", "?", "\"",
                                                  "'", "(", ")", "[", "]", "{", "}"};
    return list;
}

const std::vector<std::string>& DefaultExcludedDelimiters() {
    static const std::vector<std::string> list = {"+", "%", "/", "=", "#", "&"};
    return list;
}

const std::vector<std::string>& DefaultIncludedComments() {
    static const std::vector<std::string> list = {"//", "(*", ";", ":", "#", "&", "@", "$"};
    return list;
}

const std::vector<std::string>& DefaultExcludedComments() {
    static const std::vector<std::string> list = {"/"};
    return list;
}

const std::vector<std::string>& DefaultInfoMapTypes() {
    static const std::vector<std::string> list = {
        "noext", "acp", "adm", "asd", "asp", "aspx", "asx", "bar", "bat", "boot", "btl", "c", "cc", "cch", "cfg",
        "cmd", "cnt", "config", "cpp", "cpx", "css", "ctl", "cxx", "default", "dlg", "dmc", "doc", "dsp", "dsw",
        "dtd", "dun", "h", "hhk", "hkf", "hpp", "hta", "htm", "html", "htt", "hxx", "icw", "in", "inc", "inf",
        "ini", "iqy", "isp", "jam", "java", "js", "lks", "log", "mab", "mac", "mak", "manifest", "mfl", "milk",
        "mof", "obe", "osd", "pbk", "php", "pl", "policy", "pro", "properties", "py", "rc", "rdf", "reg", "rep",
        "rh", "rpt", "rsp", "rtf", "sam", "scf", "scp", "sep", "sgml", "sh", "shp", "shtml", "sln", "sps", "sql",
        "stl", "stx", "tab", "theme", "toc", "txt", "uninstall", "url", "v2", "vbs", "ver", "vmd", "wdl", "wpl",
        "xml", "xsl", "y", "yy"};
    return list;
}

const ColumnList& ReportColumns() {
    static const ColumnList list = {
        {1, "Line(s) with hit(s)"}, {2, "Full Line(s) with hit(s)"}, {3, "Line number"}, {4, "File name"},
        {5, "Extensions"},          {6, "Folder"},                   {7, "Result type"}, {8, "File size"},
        {9, "Creation time"},       {10, "Last access"},             {11, "Last modified"}};
    return list;
}

static std::string Trim(const std::string& s) {
    const size_t first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const size_t last = s.find_last_not_of(' ');
    return s.substr(first, last - first + 1);
}

OptionMap MapFromList(const std::vector<std::string>& entries) {
    OptionMap map;
    for (const std::string& entry : entries) map.emplace(CharLowerA(Trim(entry)), 0);
    return map;
}

void LoadDefaultLists(Options& options) {
    options.SetMap(Opt::INCFILEMAP, MapFromList(DefaultIncludedTypes()));
    options.SetMap(Opt::EXCFILEMAP, MapFromList(DefaultExcludedTypes()));
    options.binaryFileTypes = MapFromList(DefaultBinaryTypes());
    options.SetMap(Opt::INCDELMMAP, MapFromList(DefaultIncludedDelimiters()));
    options.SetMap(Opt::EXCDELMMAP, MapFromList(DefaultExcludedDelimiters()));
    options.SetMap(Opt::INCCOMMMAP, MapFromList(DefaultIncludedComments()));
    options.SetMap(Opt::EXCCOMMMAP, MapFromList(DefaultExcludedComments()));
    options.SetMap(Opt::INCIFILEMA, MapFromList(DefaultInfoMapTypes()));
    options.SetMap(Opt::EXCIFILEMA, MapFromList(DefaultExcludedTypes()));
    options.SetColumns(Opt::LISTINCLIS, ReportColumns());
    options.SetColumns(Opt::LISTEXCLIS, {});

    // "Select one" selectors start on the first entry of their list.
    options.SetText(Opt::SELONEFILE, DefaultIncludedTypes().front());
    options.SetText(Opt::SELONEDLMN, DefaultIncludedDelimiters().front());
    options.SetText(Opt::ISELONEFIL, DefaultInfoMapTypes().front());
    options.SetText(Opt::SELONECHAR, DefaultIncludedComments().front());
}

void PrepareModelAtStart(Options& options) {
    const SYSTEMTIME now = GetLocalTime();
    for (Opt o : {Opt::CRFROMDATE, Opt::CREATODATE, Opt::WRFROMDATE, Opt::WRITTODATE, Opt::ACFROMDATE,
                  Opt::ACCSTODATE})
        options.SetDate(o, now);
    LoadDefaultLists(options);
    options.Choose({Opt::APPSORRADO, Opt::APPDEFRADO}, Opt::APPSORRADO);
}

}  // namespace qf
