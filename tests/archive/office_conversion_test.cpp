// Office, OpenDocument and RTF documents read into text by the program
// itself, with the working folder, logs and counters of a conversion.

#include "archive/office_conversion.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "archive/final_log.h"
#include "support/test_support.h"

namespace qf {
namespace {

using qftest::Exists;
using qftest::ReadFile;

class OfficeConversionTest : public ::testing::Test {
protected:
    qftest::TempDir dir;
    std::string home = dir / "home";
    std::string docs = dir / "docs";
    std::string work = home + "/Temp/OFFICEFILES";
    RunCounters counters;
    SearchObserver observer;
    RecordingMessages messages;
    ConversionContext context{home,     home + "/Temp/WORDFILES", home + "/Temp/PDFFILES", home + "/Temp",
                              counters, observer,                 messages,                work,
                              true};

    void SetUp() override {
        qftest::MakeDirs(home + "/Temp");
        qftest::MakeDirs(docs);
    }

    tagSelectedFileFolderStruct Document(const std::string& fixture, const std::string& name) {
        std::filesystem::copy_file(std::string(QUILLFIND_FIXTURES) + "/documents/" + fixture, docs + "/" + name);
        tagSelectedFileFolderStruct file;
        file.folderPath = docs;
        file.fileName = name;
        file.extension = name.substr(name.rfind('.') + 1);
        file.fullPath = docs + "/" + name;
        return file;
    }
};

TEST_F(OfficeConversionTest, TextGoesIntoItsOwnTreeAndEveryDocumentIsLogged) {
    tagSelectedFileFolderStruct docx = Document("inventory.docx", "inventory.docx");
    tagSelectedFileFolderStruct rtf = Document("inventory.rtf", "Notes.RTF");
    tagSelectedFileFolderStruct broken = Document("truncated.docx", "broken.docx");
    for (tagSelectedFileFolderStruct* file : {&docx, &rtf, &broken}) ConvertSelectedFile(context, *file);

    const std::string folder = work + "/Converted Office docs/-Disc" + docs;
    EXPECT_EQ(docx.convertedFolder, folder);
    EXPECT_EQ(docx.convertedFileName, "inventory.docx.txt");
    EXPECT_EQ(docx.convertedExtension, "txt");
    const std::string source = ReadFile(std::string(QUILLFIND_FIXTURES) + "/documents/inventory.txt");
    EXPECT_EQ(ReadFile(docx.ReadPath()), source);
    EXPECT_EQ(ReadFile(rtf.ReadPath()), source);
    // A refused document still names its text file, which does not exist.
    EXPECT_EQ(broken.convertedFullPath, folder + "/broken.docx.txt");
    EXPECT_FALSE(Exists(broken.convertedFullPath));

    EXPECT_EQ(counters.nOfficeExamined, 3);
    EXPECT_EQ(counters.nOfficeConverted, 2);
    EXPECT_EQ(counters.nOfficeFailed, 1);
    EXPECT_EQ(counters.nWordExamined, 0);
    EXPECT_EQ(ReadFile(home + "/Temp/DefaultTempJoOffice.Log"),
              "Office conversion OK  :    " + docx.fullPath + "\r\n" + "Office conversion OK  :    " + rtf.fullPath +
                  "\r\n");
    EXPECT_EQ(ReadFile(home + "/Temp/DefaultTempRosszOffice.Log"),
              "Office conversion failed (damaged or truncated: not a readable ZIP package)  :    " + broken.fullPath +
                  "\r\n");

    WriteFinalLogs(messages, home + "/Temp", counters, SYSTEMTIME{}, SYSTEMTIME{}, true);
    const std::string log = ReadFile(home + "/Temp/Officedefault.log");
    const size_t block = log.find("Office documents :\r\n      Examined        Office documents : 3\r\n"
                                  "      Converted       Office documents : 2\r\n"
                                  "      Failed             Office documents : 1\r\n");
    ASSERT_NE(block, std::string::npos) << log;
    EXPECT_LT(log.find("failed (damaged"), log.find("OK  :    " + docx.fullPath));
}

TEST_F(OfficeConversionTest, WithoutTheOptionNothingIsRead) {
    context.officeDocs = false;
    tagSelectedFileFolderStruct docx = Document("inventory.docx", "inventory.docx");
    tagSelectedFileFolderStruct rtf = Document("inventory.rtf", "inventory.rtf");
    ConvertSelectedFile(context, docx);
    ConvertSelectedFile(context, rtf);
    EXPECT_TRUE(docx.convertedFullPath.empty());
    EXPECT_EQ(docx.ReadPath(), docx.fullPath);
    EXPECT_TRUE(rtf.convertedFullPath.empty());
    EXPECT_EQ(counters.nOfficeExamined, 0);
    EXPECT_FALSE(Exists(work));
    EXPECT_FALSE(Exists(home + "/Temp/DefaultTempRosszOffice.Log"));
}

}  // namespace
}  // namespace qf
