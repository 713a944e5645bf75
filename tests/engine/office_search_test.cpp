// Searches through Office, OpenDocument and RTF documents, end to end: the
// hits on their lines, the converted columns, the counters, the logs, Stop,
// and the run without the option.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "engine/run_helpers.h"
#include "platform/paths.h"
#include "support/test_support.h"

namespace {

using qf::Opt;

const char* const kDocuments[] = {"inventory.docx", "inventory.odt",    "inventory.rtf", "inventory-sheet.xlsx",
                                  "inventory-sheet.ods", "slides.pptx", "slides.odp",    "split-runs.docx",
                                  "truncated.docx"};

class OfficeSearchTest : public ::testing::Test {
protected:
    qftest::TempDir home;
    qftest::TempDir tree;
    qf::Session session{home.Path()};
    qf::RecordingMessages messages;
    qf::Options& options = session.state.options;

    void SetUp() override {
        for (const char* name : kDocuments)
            std::filesystem::copy_file(std::string(QUILLFIND_FIXTURES) + "/documents/" + name, tree / name);
    }

    // "file:line" of every record.
    std::multimap<std::string, std::string> Hits() {
        std::multimap<std::string, std::string> hits;
        for (const qf::tagPrivStruct& record : session.results.CopyList())
            hits.emplace(qf::BaseName(record.fullPath), std::to_string(record.lineNumberValue));
        return hits;
    }
};

TEST_F(OfficeSearchTest, HitsStandOnTheirDocumentLines) {
    qftest::ContentSearch(session, {tree.Path()}, "needle");
    ASSERT_TRUE(qftest::RunSearch(session, messages).started);
    const std::multimap<std::string, std::string> expected{
        {"inventory.docx", "10"},       {"inventory.odt", "10"},        {"inventory.rtf", "10"},
        {"inventory-sheet.xlsx", "11"}, {"inventory-sheet.xlsx", "22"}, {"inventory-sheet.ods", "11"},
        {"inventory-sheet.ods", "22"},  {"slides.pptx", "2"},           {"slides.odp", "2"},
        {"split-runs.docx", "10"}};
    EXPECT_EQ(Hits(), expected);

    for (const qf::tagPrivStruct& record : session.results.CopyList()) {
        EXPECT_EQ(record.convertedFolder, home / "Temp/OFFICEFILES/Converted Office docs/-Disc" + tree.Path());
        EXPECT_EQ(record.convertedFileName, qf::BaseName(record.fullPath) + ".txt");
        EXPECT_EQ(record.convertedExtension, "txt");
    }
    EXPECT_EQ(session.counters.nOfficeExamined.load(), 9);
    EXPECT_EQ(session.counters.nOfficeConverted.load(), 8);
    EXPECT_EQ(session.counters.nOfficeFailed.load(), 1);
    EXPECT_EQ(session.counters.nBinarySkipped.load(), 0);  // rtf is read, not skipped
    EXPECT_NE(qftest::ReadFile(home / "Temp/Officedefault.log").find("Failed             Office documents : 1"),
              std::string::npos);
}

TEST_F(OfficeSearchTest, NonAsciiTextIsFoundInRowsAndSlides) {
    qftest::ContentSearch(session, {tree.Path()}, "Ωmega");
    qftest::RunSearch(session, messages);
    const std::multimap<std::string, std::string> expected{{"inventory-sheet.xlsx", "22"},
                                                           {"inventory-sheet.ods", "22"},
                                                           {"slides.pptx", "4"},
                                                           {"slides.odp", "4"}};
    EXPECT_EQ(Hits(), expected);
}

TEST_F(OfficeSearchTest, StopTakesEffectBetweenDocuments) {
    qftest::ContentSearch(session, {tree.Path()}, "needle");
    qftest::RecordingObserver observer;
    observer.onName = [this](const std::string& name) {
        if (name == "inventory-sheet.ods") qf::StopSearch(session);
    };
    qftest::RunSearch(session, messages, &observer);
    // The document named when Stop came is read whole; no other after it.
    EXPECT_EQ(session.counters.nOfficeExamined.load(), 1);
}

TEST_F(OfficeSearchTest, WithoutTheOptionTheRunIsTheOriginalOne) {
    options.SetInt(Opt::CONVOFFICE, 0);
    qftest::ContentSearch(session, {tree.Path()}, "needle");
    const qftest::RunOutcome outcome = qftest::RunSearch(session, messages);
    ASSERT_TRUE(outcome.started);
    // The packages are read as they are (their text is compressed) and RTF is a binary type.
    EXPECT_TRUE(outcome.paths.empty());
    EXPECT_EQ(session.counters.nBinarySkipped.load(), 1);
    EXPECT_EQ(session.counters.nOfficeExamined.load(), 0);
    EXPECT_FALSE(qftest::Exists(home / "Temp/OFFICEFILES"));
    EXPECT_FALSE(qftest::Exists(home / "Temp/Officedefault.log"));
    EXPECT_TRUE(options.Text(Opt::OFFWRKDIR).empty());
}

}  // namespace
