#include <gtest/gtest.h>

#include "engine/date_dialog.h"
#include "engine/file_dialog.h"
#include "settings/default_lists.h"

namespace {

using qf::Opt;

class DialogChecks : public ::testing::Test {
protected:
    DialogChecks() { qf::PrepareModelAtStart(o); }
    qf::Options o;
    qf::RecordingMessages messages;
};

TEST_F(DialogChecks, DateDialogSizeValuesMustBePositive) {
    qf::DateDialogValues v = qf::DateDialogFromOptions(o);
    v.size = {true, qf::SizeComparison::Between, qf::kKilobytes, 0, 0};
    EXPECT_FALSE(qf::ApplyDateDialog(v, o, messages));
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 0136.");
    v.size.from = 3;
    EXPECT_FALSE(qf::ApplyDateDialog(v, o, messages));
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 0137.");
    EXPECT_FALSE(o.On(Opt::CSIZECHECK));  // nothing stored from the failing step on
    v.size.to = 5;
    EXPECT_TRUE(qf::ApplyDateDialog(v, o, messages));
    EXPECT_TRUE(o.On(Opt::SIZEBETWEN));
    EXPECT_TRUE(o.On(Opt::SIZENKBYTS));
}

TEST_F(DialogChecks, DateDialogBetweenOrderIsCheckedPerGroup) {
    qf::DateDialogValues v = qf::DateDialogFromOptions(o);
    v.modification.selected = true;
    v.modification.between = true;
    v.modification.from = {2024, 6, 0, 2};
    v.modification.to = {2024, 6, 0, 1};
    v.restoreTimes = true;
    EXPECT_FALSE(qf::ApplyDateDialog(v, o, messages));
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 0097.");
    EXPECT_EQ(messages.Last().text,
              "First last modified date and time must be less than or equal to the second one !!!");
    EXPECT_FALSE(o.On(Opt::RESTORETIM));
    std::swap(v.modification.from, v.modification.to);
    EXPECT_TRUE(qf::ApplyDateDialog(v, o, messages));
    EXPECT_EQ(o.Date(Opt::WRFROMDATE).wDay, 1);
    EXPECT_TRUE(o.On(Opt::RESTORETIM));
}

TEST_F(DialogChecks, TypedNumbersAboveTheirMaximum) {
    EXPECT_EQ(qf::CheckPeriodNumber(qf::TimeGroup::Access, qf::kHours, 72, messages), 72u);
    EXPECT_EQ(qf::CheckPeriodNumber(qf::TimeGroup::Access, qf::kHours, 73, messages), 1u);
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 0120.");
    EXPECT_EQ(messages.Last().text, "Maximum number to enter is : 72.");
    EXPECT_EQ(qf::CheckSizeValue(2, qf::kMegabytes, 2049, messages), 1u);
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 0124.");
    EXPECT_EQ(messages.Last().text, "Maximum number to enter is : 2048");
}

TEST_F(DialogChecks, FileDialogZipNames) {
    qf::FileDialogValues v = qf::FileDialogFromOptions(o);
    v.fileNamesText = "*.txt";
    v.unzip = true;
    v.zipNamesText = "a.zip b.rar";
    EXPECT_FALSE(qf::ApplyFileDialog(v, o, messages));
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 0247");
    v.zipNamesText = "a.zip '' b.zip";
    o.SetText(Opt::SEPARATORH, "'");
    EXPECT_FALSE(qf::ApplyFileDialog(v, o, messages));
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 0245");
    v.zipNamesText = "a.zip \"b.zip\"";
    EXPECT_FALSE(qf::ApplyFileDialog(v, o, messages));
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 0246");
    v.zipNamesText = "a.zip B.ZIP";
    EXPECT_TRUE(qf::ApplyFileDialog(v, o, messages));
    EXPECT_EQ(o.List(Opt::ZFILENAMES), (qf::OptionList{"a.zip", "B.ZIP"}));
}

TEST_F(DialogChecks, FileDialogNamesWithoutPeriodNeedYes) {
    qf::FileDialogValues v = qf::FileDialogFromOptions(o);
    v.fileNamesText = "Makefile *.c README";
    EXPECT_FALSE(qf::ApplyFileDialog(v, o, messages));  // the default answer is No
    const qf::Message q = messages.Last();
    EXPECT_EQ(q.caption, "Warning !    Msg no: 0251");
    EXPECT_EQ(q.text, "Period (.) is missing from : 2 file names.\nNo: 1/2 is : Makefile\nDo you want to accept it ?");
    EXPECT_EQ(q.icon, qf::MsgIcon::Question);
    messages.ScriptAnswer(qf::MsgAnswer::Yes);
    messages.ScriptAnswer(qf::MsgAnswer::Yes);
    EXPECT_TRUE(qf::ApplyFileDialog(v, o, messages));
    EXPECT_EQ(o.List(Opt::FILENAMES1), (qf::OptionList{"Makefile", "*.c", "README"}));
}

TEST_F(DialogChecks, FileTypesIncludeListAndAdd) {
    qf::FileDialogValues v = qf::FileDialogFromOptions(o);
    v.include.clear();
    EXPECT_FALSE(qf::ApplyFileDialog(v, o, messages));
    EXPECT_EQ(messages.Last().caption, "Warning    Msg no: 0108.");
    EXPECT_FALSE(qf::AddFileType("  ", v.include, v.exclude, messages));
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 0028.");
    EXPECT_FALSE(qf::AddFileType(" BAK ", v.include, v.exclude, messages));
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 0199.");
    EXPECT_TRUE(qf::AddFileType(" MD ", v.include, v.exclude, messages));
    EXPECT_FALSE(qf::AddFileType("md", v.include, v.exclude, messages));
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 0029.");
    EXPECT_EQ(v.include.count("md"), 1u);
}

}  // namespace
