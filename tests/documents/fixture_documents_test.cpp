// The real documents of the fixtures: what each holds, line by line.

#include <gtest/gtest.h>

#include "documents/document_support.h"

namespace qftest {
namespace {

using qf::DocumentKindOf;
using qf::ExtractDocumentBytes;

const char* const kNeedleLine = "Line 10: Fixture needle ALPHA appears here together with beta, for phrase tests.";

TEST(FixtureDocuments, TextDocumentsHoldTheSourceLinesOnTheirOwnNumbers) {
    const std::string source = ReadFile(DocumentFixture("inventory.txt"));
    for (const char* name : {"inventory.docx", "inventory.odt", "inventory.rtf"}) {
        const qf::DocumentText document = ExtractFixture(name);
        ASSERT_TRUE(document.Ok()) << name << ": " << document.refusal;
        EXPECT_EQ(document.text, source) << name;
        EXPECT_EQ(LinesOf(document.text).at(9), kNeedleLine) << name;
    }
}

TEST(FixtureDocuments, SheetsGiveOneLinePerRowWithCellsSeparatedByTabs) {
    for (const char* name : {"inventory-sheet.xlsx", "inventory-sheet.ods"}) {
        const qf::DocumentText sheet = ExtractFixture(name);
        ASSERT_TRUE(sheet.Ok()) << name << ": " << sheet.refusal;
        const std::vector<std::string> rows = LinesOf(sheet.text);
        ASSERT_EQ(rows.size(), 22u) << name;
        EXPECT_EQ(rows[0], "Item\tCount\tNote") << name;
        EXPECT_EQ(rows[10], std::string("item 10\t30\t") + kNeedleLine) << name;
        EXPECT_EQ(rows[21], "Grüße\t42\tFixture needle ÄRGER straße Ωmega") << name;
    }
}

TEST(FixtureDocuments, SlidesKeepTheirOrder) {
    const std::vector<std::string> expected{
        "Quarterly inventory review", "Fixture needle ALPHA appears here together with beta, for phrase tests.",
        "Line 25: gamma and alpha beta gamma close the review.", "Grüße an die Straße: ÄRGER und Ωmega."};
    for (const char* name : {"slides.pptx", "slides.odp"}) {
        const qf::DocumentText slides = ExtractFixture(name);
        ASSERT_TRUE(slides.Ok()) << name << ": " << slides.refusal;
        EXPECT_EQ(LinesOf(slides.text), expected) << name;
    }
}

TEST(FixtureDocuments, TextSplitOverRunsIsJoined) {
    const qf::DocumentText document = ExtractFixture("split-runs.docx");
    ASSERT_TRUE(document.Ok()) << document.refusal;
    EXPECT_EQ(LinesOf(document.text).at(9), kNeedleLine);
}

TEST(FixtureDocuments, MemoryAndFileGiveTheSameAnswer) {
    for (const char* name : {"inventory.docx", "inventory.odt", "inventory.rtf", "inventory-sheet.xlsx",
                             "inventory-sheet.ods", "slides.pptx", "slides.odp", "truncated.docx"}) {
        const std::string n = name;
        const qf::DocumentText fromFile = ExtractFixture(n);
        const qf::DocumentText fromMemory =
            ExtractDocumentBytes(DocumentKindOf(n.substr(n.rfind('.') + 1)), ReadFile(DocumentFixture(n)));
        EXPECT_EQ(fromMemory.text, fromFile.text) << name;
        EXPECT_EQ(fromMemory.refusal, fromFile.refusal) << name;
    }
}

// A document cut anywhere is refused with a reason, never half read.
TEST(FixtureDocuments, CutDocumentsAreRefused) {
    const qf::DocumentText truncated = ExtractFixture("truncated.docx");
    EXPECT_FALSE(truncated.Ok());
    EXPECT_TRUE(truncated.text.empty());
    for (const char* name : {"inventory.docx", "inventory.odt", "inventory.rtf", "inventory-sheet.xlsx", "slides.odp"}) {
        const std::string n = name;
        const std::string bytes = ReadFile(DocumentFixture(n));
        for (size_t cut : {size_t(0), size_t(1), bytes.size() / 3, bytes.size() / 2, bytes.size() - 25}) {
            const qf::DocumentText part = ExtractDocumentBytes(DocumentKindOf(n.substr(n.rfind('.') + 1)),
                                                               std::string_view(bytes).substr(0, cut));
            EXPECT_FALSE(part.Ok()) << name << " cut at " << cut;
            EXPECT_TRUE(part.text.empty()) << name << " cut at " << cut;
        }
    }
}

}  // namespace
}  // namespace qftest
