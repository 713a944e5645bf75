#include <gtest/gtest.h>

#include "settings/default_lists.h"
#include "textsearch/list_dialog_checks.h"
#include "textsearch/text_options_checks.h"

using qf::ListButton;
using qf::ListDialogKind;

namespace {

std::string Caption(const std::optional<qf::Message>& m) { return m ? m->caption : "accepted"; }

qf::TextOptionsFields Fields() {
    qf::TextOptionsFields f;
    f.startLineText = "1";
    f.stopLineText = "100";
    f.mark = "\"";
    return f;
}

}  // namespace

TEST(ListDialog, AddRefusesEmptyAndListedItemsIgnoringCase) {
    qf::RecordingMessages messages;
    qf::ListDialogState s{{"!", "space"}, {"+"}, "  ", 1, false};
    EXPECT_FALSE(qf::AddItem(ListDialogKind::Delimiters, s, messages));
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 0026.");
    s.entry = "+";
    EXPECT_FALSE(qf::AddItem(ListDialogKind::Delimiters, s, messages));
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 0198.");
    qf::ListDialogState c{{"//", "Rm"}, {"/"}, "rm ", 2, false};
    EXPECT_FALSE(qf::AddItem(ListDialogKind::Comments, c, messages));
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 0024.");
    EXPECT_EQ(messages.Last().text, "This item is already exists in the include window!\n\nAction: Correct the item.");

    s.entry = " - ";
    EXPECT_TRUE(qf::AddItem(ListDialogKind::Delimiters, s, messages));
    EXPECT_EQ(s.include.back(), "-");
    EXPECT_EQ(s.entry, " ");
    EXPECT_EQ(s.entryLimit, 2u);
    EXPECT_EQ(qf::EntryLimit(ListDialogKind::Comments, true), 2u);
    EXPECT_EQ(qf::EntryTooLongMessage(ListDialogKind::Comments).text, "It's  possible only two characters to add !!!");
}

TEST(ListDialog, MovingNeverDuplicatesAndLimitsTheSelection) {
    qf::RecordingMessages messages;
    std::vector<std::string> from{"a", "b", "c"};
    std::vector<std::string> to{"B"};
    EXPECT_TRUE(qf::MoveSelected(ListDialogKind::Delimiters, ListButton::ToExclude, from, to, {0, 1}, messages));
    EXPECT_EQ(from, (std::vector<std::string>{"c"}));
    EXPECT_EQ(to, (std::vector<std::string>{"B", "a"}));

    std::vector<std::string> many(600, "x");
    std::vector<size_t> rows(513);
    for (size_t i = 0; i < rows.size(); ++i) rows[i] = i;
    EXPECT_FALSE(qf::MoveSelected(ListDialogKind::Comments, ListButton::ToInclude, many, to, rows, messages));
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 0152-2.");
    EXPECT_EQ(many.size(), 600u);
}

TEST(ListDialog, DeletingAsksWhenConfirmingAndKeepsSpace) {
    qf::RecordingMessages messages;
    qf::ListDialogState s{{"!", "space", "."}, {}, " ", 2, true};
    messages.ScriptAnswer(qf::MsgAnswer::No);
    EXPECT_FALSE(qf::DeleteSelected(ListDialogKind::Delimiters, s, s.include, {0}, messages));
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 0157-1.");
    EXPECT_EQ(s.include.size(), 3u);

    messages.ScriptAnswer(qf::MsgAnswer::Yes);
    EXPECT_TRUE(qf::DeleteSelected(ListDialogKind::Delimiters, s, s.include, {0, 1}, messages));
    EXPECT_EQ(messages.Last().caption, "Warning !    Msg no: 0157-3.");
    EXPECT_EQ(messages.Last().text, "Impossible to delete :  \nspace");
    EXPECT_EQ(s.include, (std::vector<std::string>{"space", "."}));

    messages.ScriptAnswer(qf::MsgAnswer::Yes);
    EXPECT_TRUE(qf::RemoveAll(ListDialogKind::Delimiters, s, s.include, messages));
    EXPECT_EQ(s.include, (std::vector<std::string>{"space"}));
    EXPECT_EQ(messages.Last().text, "Are you sure you want to delete all items from the list ?");
}

TEST(ListDialog, OkAndCancelNeedAnIncludeListAndOkStoresTheLists) {
    qf::RecordingMessages messages;
    qf::ListDialogState s{{}, {"#"}, " ", 3, true};
    EXPECT_FALSE(qf::CheckOk(ListDialogKind::Comments, s, messages));
    EXPECT_EQ(messages.Last().caption, "Warning    Msg no: 0084.");
    EXPECT_FALSE(qf::CheckCancel(ListDialogKind::Delimiters, s, messages));
    EXPECT_EQ(messages.Last().caption, "Warning    Msg no: 0087.");

    qf::Options options;
    qf::LoadDefaultLists(options);
    s.include = {"REM", ";"};
    ASSERT_TRUE(qf::CheckOk(ListDialogKind::Comments, s, messages));
    qf::ApplyOk(ListDialogKind::Comments, s, options);
    EXPECT_EQ(options.Map(qf::Opt::INCCOMMMAP), (qf::OptionMap{{";", 0}, {"rem", 0}}));
    EXPECT_EQ(options.Map(qf::Opt::EXCCOMMMAP), (qf::OptionMap{{"#", 0}}));
    EXPECT_EQ(options.Int(qf::Opt::COMCONFIRM), 1);
    EXPECT_EQ(options.Text(qf::Opt::SELONECHAR), "rem");  // "//" is gone
}

TEST(TextOptionsChecks, LineNumbers) {
    qf::TextOptionsFields f = Fields();
    f.startSelected = f.startByLine = true;
    f.startLineText = "2147483648";
    EXPECT_EQ(Caption(qf::CheckTextOptions(f)), "Warning !    Msg no: 0099.");
    f.startLineText = "0";
    EXPECT_EQ(Caption(qf::CheckTextOptions(f)), "Warning !    Msg no: 0195.");
    f.stopSelected = f.stopByLine = true;
    f.stopLineText = "0";
    EXPECT_EQ(Caption(qf::CheckTextOptions(f)), "Warning !    Msg no: 0194.");
    f.startLineText = "20";
    f.stopLineText = "10";
    EXPECT_EQ(Caption(qf::CheckTextOptions(f)), "Warning !    Msg no: 0100.");
    f.startSelected = false;
    f.stopLineText = "0";
    EXPECT_EQ(Caption(qf::CheckTextOptions(f)), "Warning !    Msg no: 0196.");
    f.stopLineText = "12";
    EXPECT_EQ(Caption(qf::CheckTextOptions(f)), "accepted");
    f.stopLineText = "1x";
    EXPECT_EQ(qf::CheckTextOptions(f)->text, "Maximum number to enter is : 2147483647");
}

TEST(TextOptionsChecks, StartAndStopTerms) {
    qf::TextOptionsFields f = Fields();
    f.startTermText = "two words";
    EXPECT_EQ(Caption(qf::CheckTextOptions(f)), "Warning !    Msg no: 0202.");  // also when not selected
    f.startTermText = " \"one phrase\" ";
    EXPECT_EQ(Caption(qf::CheckTextOptions(f)), "accepted");
    f.stopSelected = f.stopByTerm = true;
    f.stopTermText = "  ";
    EXPECT_EQ(Caption(qf::CheckTextOptions(f)), "Warning !    Msg no: 0103.");
    f.stopTermText = "\"one phrase\"";
    EXPECT_EQ(Caption(qf::CheckTextOptions(f)), "accepted");
    f.startSelected = f.startByTerm = true;
    EXPECT_EQ(Caption(qf::CheckTextOptions(f)), "Warning !    Msg no: 0273.");
}

TEST(TextOptionsChecks, LimitsWhileTyping) {
    int64_t run = 10001;
    EXPECT_EQ(Caption(qf::CheckRunLimitTyped(run)), "Warning !    Msg no: 0148.");
    EXPECT_EQ(run, 10000);
    int64_t perFile = 20000;
    const auto m = qf::CheckFileLimitTyped(perFile);
    EXPECT_EQ(m->text, "Maximum number to enter is : 10000.");
    EXPECT_EQ(perFile, 10);
    int64_t fine = 10000;
    EXPECT_FALSE(qf::CheckRunLimitTyped(fine));
}
