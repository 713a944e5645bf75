// Word and PDF documents converted by the real converters.

#include "archive/document_conversion.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "archive/converted_path.h"
#include "support/test_support.h"

namespace qf {
namespace {

using qftest::Exists;
using qftest::ReadFile;

class StatusRecorder : public SearchObserver {
public:
    std::vector<std::string> texts;
    void StatusText(const std::string& text) override { texts.push_back(text); }
};

class ConversionTest : public ::testing::Test {
protected:
    qftest::TempDir dir;
    std::string home = dir / "home";
    std::string docs = dir / "docs";
    RunCounters counters;
    StatusRecorder observer;
    RecordingMessages messages;
    ConversionContext context{home, home + "/Temp/WORDFILES", home + "/Temp/PDFFILES", home + "/Temp",
                              counters, observer, messages};

    void SetUp() override {
        qftest::MakeDirs(home + "/Temp");
        qftest::MakeDirs(docs);
    }

    // A fixture copied into the documents folder under `name`.
    tagSelectedFileFolderStruct Document(const std::string& fixture, const std::string& name) {
        std::filesystem::copy_file(std::string(QUILLFIND_FIXTURES) + "/documents/" + fixture, docs + "/" + name);
        tagSelectedFileFolderStruct file;
        file.folderPath = docs;
        file.fileName = name;
        file.extension = name.substr(name.rfind('.') + 1);
        file.fullPath = docs + "/" + name;
        return file;
    }

    void Script(const std::string& path, const std::string& body) {
        qftest::WriteFile(path, "#!/bin/sh\n" + body + "\n");
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    }
};

TEST_F(ConversionTest, WordDocumentsThroughAntiword) {
    tagSelectedFileFolderStruct good = Document("inventory.doc", "inventory.doc");
    tagSelectedFileFolderStruct bad = Document("truncated.doc", "broken.doc");
    ConvertSelectedFile(context, good);
    ConvertSelectedFile(context, bad);

    const std::string folder = home + "/Temp/WORDFILES/Converted_WORD_docs/-Disc" + docs;
    EXPECT_EQ(good.convertedFolder, folder);
    EXPECT_EQ(good.convertedFileName, "inventory.doc.txt");
    EXPECT_EQ(good.convertedExtension, "txt");
    EXPECT_EQ(good.ReadPath(), folder + "/inventory.doc.txt");
    EXPECT_NE(ReadFile(good.ReadPath()).find("Fixture needle ALPHA"), std::string::npos);
    // A failed conversion still names its text file; the scan finds nothing there.
    EXPECT_EQ(bad.convertedFullPath, folder + "/broken.doc.txt");

    EXPECT_EQ(counters.nWordExamined, 2);
    EXPECT_EQ(counters.nWordConverted, 1);
    EXPECT_EQ(counters.nWordFailed, 1);
    EXPECT_EQ(ReadFile(home + "/Temp/DefaultTempJoWord.Log"), " Word conversion OK  :    " + good.fullPath + "\r\n");
    EXPECT_EQ(ReadFile(home + "/Temp/DefaultTempRosszWord.Log"),
              " Word conversion failed  :    " + bad.fullPath + "\r\n");
    EXPECT_EQ(observer.texts.front(), "Converting : ");
}

TEST_F(ConversionTest, PdfDocumentsThroughPdftotextAndOtherFilesLeftAlone) {
    tagSelectedFileFolderStruct good = Document("inventory.pdf", "REPORT.PDF");
    tagSelectedFileFolderStruct bad = Document("not-really.pdf", "fake.pdf");
    tagSelectedFileFolderStruct other = Document("inventory.doc", "notes.docx");
    ConvertSelectedFile(context, good);
    ConvertSelectedFile(context, bad);
    ConvertSelectedFile(context, other);

    EXPECT_EQ(good.convertedFullPath, home + "/Temp/PDFFILES/Converted PDF docs/-Disc" + docs + "/REPORT.PDF.txt");
    EXPECT_NE(ReadFile(good.convertedFullPath).find("Line 10: Fixture needle ALPHA"), std::string::npos);
    EXPECT_TRUE(other.convertedFolder.empty());
    EXPECT_EQ(other.ReadPath(), other.fullPath);
    EXPECT_EQ(counters.nPdfExamined, 2);
    EXPECT_EQ(counters.nPdfConverted, 1);
    EXPECT_EQ(counters.nPdfFailed, 1);
    EXPECT_EQ(counters.nWordExamined, 0);
    EXPECT_EQ(ReadFile(home + "/Temp/DefaultTempRosszPdf.Log"), "Pdf conversion failed  :    " + bad.fullPath + "\r\n");
}

TEST_F(ConversionTest, ConvertersInTheHomeComeFirstAndAMissingOneCountsAsFailed) {
    Script(home + "/antiw.sh", "printf '%s' \"$1\" > \"$2\"");
    Script(home + "/xPdf/pdftotext", "exit 3");
    tagSelectedFileFolderStruct doc = Document("inventory.doc", "a.doc");
    tagSelectedFileFolderStruct pdf = Document("inventory.pdf", "a.pdf");
    ConvertSelectedFile(context, doc);
    ConvertSelectedFile(context, pdf);
    EXPECT_EQ(ReadFile(doc.convertedFullPath), doc.fullPath);
    EXPECT_EQ(counters.nWordConverted, 1);
    EXPECT_EQ(counters.nPdfFailed, 1);

    std::filesystem::remove(home + "/antiw.sh");
    const std::string savedPath = std::getenv("PATH");
    setenv("PATH", (dir / "empty").c_str(), 1);
    ConvertSelectedFile(context, doc);
    setenv("PATH", savedPath.c_str(), 1);
    EXPECT_EQ(counters.nWordFailed, 1);
    EXPECT_EQ(counters.nWordExamined, 2);
}

TEST_F(ConversionTest, ConverterPastItsTimeLimitOrStoppedIsEndedAndLeavesNoText) {
    // Writes half a text, then hangs; its own child hangs with it.
    Script(home + "/antiw.sh", "printf 'half' > \"$2\"; sleep 30 & sleep 30; printf ' and the rest' >> \"$2\"");
    Script(home + "/xPdf/pdftotext", "printf 'half' > \"$4\"; sleep 30");
    tagSelectedFileFolderStruct doc = Document("inventory.doc", "slow.doc");
    tagSelectedFileFolderStruct pdf = Document("inventory.pdf", "slow.pdf");

    context.timeLimitSeconds = 1;
    ConvertSelectedFile(context, doc);
    EXPECT_EQ(ReadFile(home + "/Temp/DefaultTempRosszWord.Log"),
              " Word conversion timed out  :    " + doc.fullPath + "\r\n");
    EXPECT_EQ(counters.nWordFailed, 1);
    EXPECT_EQ(counters.nWordConverted, 0);
    EXPECT_FALSE(Exists(doc.convertedFullPath));

    std::atomic<int> stop{1};
    context.timeLimitSeconds = 0;
    context.stopRequest = &stop;
    ConvertSelectedFile(context, pdf);
    EXPECT_EQ(ReadFile(home + "/Temp/DefaultTempRosszPdf.Log"), "Pdf conversion stopped  :    " + pdf.fullPath + "\r\n");
    EXPECT_EQ(counters.nPdfFailed, 1);
    EXPECT_FALSE(Exists(pdf.convertedFullPath));
    EXPECT_EQ(pdf.convertedExtension, "txt");
}

TEST(ConvertedPath, DriveAndRestRule) {
    EXPECT_EQ(ConvertedFolder("/w", kWordTree, "/home/a"), "/w/Converted_WORD_docs/-Disc/home/a");
    EXPECT_EQ(ConvertedFile("/w/Converted_WORD_docs/-Disc/home/a", "/home/a/x.doc"),
              "/w/Converted_WORD_docs/-Disc/home/a/x.doc.txt");
    EXPECT_EQ(ConvertedFolder("/w/", kPdfTree, "/"), "/w/Converted PDF docs/-Disc");
    EXPECT_EQ(ConvertedFolder("/w", kWordTree, "C:\\Docs"), "/w/Converted_WORD_docs/C-Disc/Docs");
    EXPECT_EQ(ConvertedFolder("/w", kWordTree, "\\\\server\\share"), "/w/Converted_WORD_docs/-Disc/server/share");
    // A path from the root has no drive: a ":" is part of a folder name, so two
    // folders that differ before it keep apart.
    EXPECT_EQ(ConvertedFolder("/w", kPdfTree, "/t/p:y"), "/w/Converted PDF docs/-Disc/t/p:y");
    EXPECT_NE(ConvertedFolder("/w", kPdfTree, "/t/p:y"), ConvertedFolder("/w", kPdfTree, "/t/q:y"));
    // A folder written with ".." never leads out of the tree.
    EXPECT_EQ(ConvertedFolder("/w", kWordTree, "/a/../../../etc"), "/w/Converted_WORD_docs/-Disc/etc");
}

}  // namespace
}  // namespace qf
