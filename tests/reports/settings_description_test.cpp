#include "reports/settings_description.h"

#include <gtest/gtest.h>

#include "platform/text_lines_file.h"
#include "report_fixture.h"

using namespace qf;
using namespace qftest;

namespace {

bool HasEntry(const BAZ_ACTIVE_LIST& list, const std::string& text, const std::string& value) {
    for (const auto& e : list)
        if (e.text == "          " + text && e.value == value) return true;
    return false;
}

bool HasText(const BAZ_ACTIVE_LIST& list, const std::string& text) {
    for (const auto& e : list)
        if (e.text == text) return true;
    return false;
}

}  // namespace

TEST(SettingsDescription, ByFileNameModeMatchesGolden) {
    Options o;
    o.SetInt(Opt::STYDOSFILE, 1);
    o.SetInt(Opt::STYPESTEXT, 0);
    o.SetText(Opt::WORDWRKDIR, "/h/Temp/WORDFILES");
    o.SetText(Opt::PDFWORKDIR, "/h/Temp/PDFFILES");
    o.SetText(Opt::ZIPWORKDIR, "/h/Temp/ZIPFILES");
    o.SetList(Opt::DIRECTORIS, {"/data/a", "/data/b"});
    o.SetList(Opt::FILENAMES1, {"*.txt", "a?.doc"});
    o.SetInt(Opt::CSIZECHECK, 1);  // no comparison chosen
    o.SetInt(Opt::SIZEFROMTW, 5);
    o.SetInt(Opt::SIZENKBYTS, 1);
    o.SetColumns(Opt::LISTINCLIS, {{3, "Line number"}, {4, "File name"}});
    o.SetColumns(Opt::LISTEXCLIS, {{1, "Line(s) with hit(s)"}});
    o.SetText(Opt::CFSDFLEDIT, "/backup");
    o.SetInt(Opt::CONVOFFICE, 0);  // without Office documents the description is the original one

    TempDir dir;
    ASSERT_TRUE(WriteCrLfLines(dir / "d.txt", ScreenDescriptionLines(o, {})));
    EXPECT_EQ(ReadFile(dir / "d.txt"), Golden("describe_by_file_name.txt"));
}

TEST(SettingsDescription, OfficeDocumentsAreNamedWhileTheyAreRead) {
    Options o;
    o.SetText(Opt::OFFWRKDIR, "/h/Temp/OFFICEFILES/");
    const BAZ_ACTIVE_LIST on = BuildScreenDescription(o, {});
    EXPECT_TRUE(HasEntry(on, "Search inside Office and OpenDocument files", "ON"));
    EXPECT_TRUE(HasEntry(on, "Folder for converting Office documents to text", "/h/Temp/OFFICEFILES/"));
    o.SetInt(Opt::CONVOFFICE, 0);
    const BAZ_ACTIVE_LIST off = BuildScreenDescription(o, {});
    EXPECT_FALSE(HasEntry(off, "Folder for converting Office documents to text", "/h/Temp/OFFICEFILES/"));
    EXPECT_EQ(off.size() + 2, on.size());
}

TEST(SettingsDescription, ContentSearchEntries) {
    Options o;
    o.SetText(Opt::FINDTEXTS1, "abc");
    o.SetInt(Opt::INGIVORDER, 1);
    o.SetInt(Opt::STARTCHECK, 1);
    o.SetInt(Opt::STARTLNRAD, 1);
    o.SetInt(Opt::STARTLNUMB, 4);
    const BAZ_ACTIVE_LIST list = BuildScreenDescription(o, {});
    EXPECT_TRUE(HasText(list, "TEXT options : "));
    EXPECT_TRUE(HasEntry(list, "Standard Search ", "ON"));
    EXPECT_TRUE(HasEntry(list, "Search term(s) and/or phrase(s) is/are : ", "abc"));
    // A start condition limits the area whatever the order.
    EXPECT_TRUE(HasEntry(list, "All search term(s)/phrase(s) must appeared in one file :",
                         "In limited area of given file(s) - in any order.  "));
    EXPECT_TRUE(HasEntry(list, "Limited area of search in file : ", "ON"));
    EXPECT_TRUE(HasEntry(list, "Condition to start - line number :  ", "4"));
    EXPECT_FALSE(HasText(list, "REVERSE READ ORDER. "));
}

TEST(SettingsDescription, BooleanQueryOnOneLineAndFolderLayoutsDiffer) {
    Options o;
    o.Choose({Opt::STANRADIO1, Opt::BOOLRADIO1, Opt::MICROBOOLR}, Opt::BOOLRADIO1);
    o.SetList(Opt::DIRECTORIS, {"/x"});
    _Multi_Settings_Struct snapshot{o, "", "(a .AND.\r\nb)", {}};
    const BAZ_ACTIVE_LIST report = BuildReportDescription(snapshot, o, {});
    EXPECT_TRUE(HasEntry(report, "Boolean search term(s) and/or phrase(s) is/are : ", "(a .AND.  b)"));
    EXPECT_TRUE(HasText(report, std::string(20, ' ') + "/x"));  // the report carries the folder as text

    o.SetText(Opt::FINDRICHED, "(a .AND.\nb)");
    const BAZ_ACTIVE_LIST screen = BuildScreenDescription(o, {});
    EXPECT_TRUE(HasEntry(screen, "Boolean search term(s) and/or phrase(s) is/are : ", "(a .AND. b)"));
    EXPECT_FALSE(HasText(screen, "Included folder(s) is/are : "));  // text carries the indent
    EXPECT_TRUE(HasEntry(screen, "Included folder(s) is/are : ", ""));
}

TEST(SettingsDescription, ReportDescribesTheSearchAsStarted) {
    Options started;  // a content search
    Options now = started;
    now.SetInt(Opt::STYDOSFILE, 1);  // switched after the search
    now.SetInt(Opt::DISPLAYDUR, 1);
    now.SetInt(Opt::DISPLAYATE, 0);
    _Multi_Settings_Struct snapshot{started, "abc", "", {}};
    const BAZ_ACTIVE_LIST list = BuildReportDescription(snapshot, now, {});
    EXPECT_TRUE(HasText(list, "TEXT options : "));
    EXPECT_FALSE(HasEntry(list, "File name search only ", "ON"));
    EXPECT_TRUE(HasEntry(list, "Display result lines - one by one :  ", "ON"));
    EXPECT_FALSE(HasEntry(list, "Display result lines - all at once :  ", "ON"));
}

TEST(SettingsDescription, SummaryLinesOfAContentSearch) {
    Options o;
    o.SetInt(Opt::STSTRGFILE, 1);
    const std::vector<std::string> expected{
        "Binary (excluded for file content search) file types : ON.",
        "Active file types : ON.",
        "Excluded file types : OFF.",
        "For File names search (Query text) - All file types (*.*) will be searched. ",
        "For file content search (Query text) - All (*.*) except binary will be searched. ",
        "Active Delimiters : ON.",
        "Active Comments : OFF."};
    EXPECT_EQ(DescriptionSummaryLines(o), expected);
}

TEST(SettingsDescription, OwnLimitsAreDescribedWhenChanged) {
    Options o;
    const size_t atDefaults = BuildScreenDescription(o, {}).size();
    o.SetInt(Opt::CONVTIMELM, 30);
    o.SetInt(Opt::ZIPRATIOLM, 0);
    o.SetInt(Opt::ZIPBUDGETM, 512);
    const BAZ_ACTIVE_LIST list = BuildScreenDescription(o, {});
    EXPECT_EQ(list.size(), atDefaults + 3);
    EXPECT_TRUE(HasEntry(list, "Time limit of one Word or Pdf conversion", "30 seconds"));
    EXPECT_TRUE(HasEntry(list, "Largest expansion of a Zip file over 1 MiB", "no limit"));
    EXPECT_TRUE(HasEntry(list, "Most data unzipped in one search", "512 MiB, at most half the free space"));
}

TEST(SettingsDescription, ThreadsForReadingFilesOnlyWhenChosen) {
    Options o;
    auto mentioned = [](const BAZ_ACTIVE_LIST& list) {
        for (const auto& e : list)
            if (e.text.find("Threads for reading files") != std::string::npos) return true;
        return false;
    };
    EXPECT_FALSE(mentioned(BuildScreenDescription(o, {})));  // the default leaves the description as it was
    o.SetInt(Opt::READTHREAD, 2);
    EXPECT_TRUE(HasEntry(BuildScreenDescription(o, {}), "Threads for reading files", "2"));
}
