#include <gtest/gtest.h>

#include "engine/file_extension.h"
#include "engine/file_rules.h"
#include "engine/run_helpers.h"
#include "settings/default_lists.h"
#include "support/test_support.h"

namespace {

using qf::Opt;

TEST(FileExtension, FollowsTheLastDotAfterTheLastSeparator) {
    EXPECT_EQ(qf::ExtensionOfName("report.pdf.txt"), "txt");
    EXPECT_EQ(qf::ExtensionOfName("my.folder/file"), "noext");
    EXPECT_EQ(qf::ExtensionOfName("README"), "noext");
    EXPECT_EQ(qf::ExtensionOfName("trailing."), "");
    EXPECT_EQ(qf::ExtensionOfName("back\\slash.c"), "c");  // "\" is an ordinary character here
    EXPECT_EQ(qf::NameWithoutExtension("report.pdf.txt"), "report.pdf");
    EXPECT_EQ(qf::NameWithoutExtension("README"), "README");
    EXPECT_TRUE(qf::IsZipExtension("ZiP"));
}

class TypeRuleTest : public ::testing::Test {
protected:
    TypeRuleTest() {
        qf::PrepareModelAtStart(o);
        o.Choose({Opt::MATCHFILNA, Opt::MATCHFILTY}, Opt::MATCHFILTY);
    }
    bool Kept(const std::string& name) { return qf::NameOrTypeRulePasses(o, "*.*", qf::ExtensionOfName(name)); }
    qf::Options o;
};

TEST_F(TypeRuleTest, ChoicesOfTheTypeRule) {
    const std::initializer_list<Opt> group = {Opt::ALLFILETPS, Opt::EXCFILETPS, Opt::INCFILETPS, Opt::SELONEFLTS};
    o.Choose(group, Opt::INCFILETPS);
    EXPECT_TRUE(Kept("README"));  // "noext" is an included type by default
    EXPECT_FALSE(Kept("photo.bmp"));
    o.Choose(group, Opt::EXCFILETPS);
    EXPECT_FALSE(Kept("backup.BAK"));
    EXPECT_TRUE(Kept("notes.txt"));
    o.Choose(group, Opt::SELONEFLTS);
    o.SetText(Opt::SELONEFILE, "txt");
    EXPECT_TRUE(Kept("a.TXT"));
    EXPECT_FALSE(Kept("a.text"));
    EXPECT_TRUE(Kept("archive.zip"));  // a zip file bypasses the type rule
}

TEST(NameRule, PatternExtensionLengthHoldsUnlessItHasAStar) {
    EXPECT_TRUE(qf::NameRulePasses("*.htm", "htm"));
    EXPECT_FALSE(qf::NameRulePasses("*.htm", "html"));
    EXPECT_TRUE(qf::NameRulePasses("*.ht*", "html"));
    EXPECT_TRUE(qf::NameRulePasses("*", "txt"));  // no extension in the pattern: nothing to compare
}

TEST(FileSelection, PatternsZipAndTermRulesOverRealFiles) {
    qftest::TempDir home, tree;
    for (const char* n : {"index.htm", "index.html", "archive.zip", "draft_notes.txt", "final.txt"})
        qftest::WriteFile(tree / n, "x");
    qf::Session session(home.Path());
    qf::RecordingMessages messages;
    qftest::ByFileName(session, {tree.Path()}, "*.htm");
    auto outcome = qftest::RunSearch(session, messages);
    EXPECT_EQ(outcome.paths, std::vector<std::string>{tree / "index.htm"});

    session.state.options.SetList(Opt::FILENAMES1, {"*.ht*"});
    EXPECT_EQ(qftest::RunSearch(session, messages).paths.size(), 2u);

    // The TERM rules drop files by name, but never a zip archive.
    session.state.options.SetList(Opt::FILENAMES1, {"*.txt", "*.zip"});
    session.state.options.SetInt(Opt::FILEESTRCH, 1);
    session.state.options.SetText(Opt::FILEECRITE, "draft archive");
    outcome = qftest::RunSearch(session, messages);
    // The list ends sorted by folder and file name, whatever the pattern order.
    EXPECT_EQ(outcome.paths, (std::vector<std::string>{tree / "archive.zip", tree / "final.txt"}));
}

TEST(FileSelection, EmptyTermPhraseDoesNotHangTheRule) {
    qf::Options o;
    qf::RecordingMessages messages;
    const qf::TermMatcher matcher = qf::TermMatcher::FromOptions(o);
    const qf::TermRule rule = qf::MakeTermRule(true, "\"\" abc", "\"", matcher, messages);
    EXPECT_EQ(rule.foldedTerms, std::vector<std::string>{"abc"});
    EXPECT_TRUE(qf::AnyTermOccurs(rule, matcher, "xABCx"));
    const qf::TermRule odd = qf::MakeTermRule(true, "\"abc", "\"", matcher, messages);
    EXPECT_FALSE(odd.active);  // unpaired marks are reported and leave the rule off
    EXPECT_EQ(messages.Count(), 1u);
}

}  // namespace
