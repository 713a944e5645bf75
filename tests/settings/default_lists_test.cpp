#include <gtest/gtest.h>

#include "settings/choice_groups.h"
#include "settings/default_lists.h"
#include "settings/option_text.h"

namespace {

using qf::Opt;

TEST(DefaultLists, CollapseToTheirDistinctCounts) {
    qf::Options o;
    qf::LoadDefaultLists(o);
    EXPECT_EQ(o.Map(Opt::INCFILEMAP).size(), 171u);
    EXPECT_EQ(o.binaryFileTypes.size(), 214u);
    EXPECT_EQ(o.Map(Opt::INCDELMMAP).size(), 13u);
    EXPECT_EQ(o.Map(Opt::EXCDELMMAP).size(), 6u);
    EXPECT_EQ(o.Map(Opt::INCCOMMMAP).size(), 8u);
    EXPECT_EQ(o.Map(Opt::INCIFILEMA).size(), 105u);
    EXPECT_EQ(o.Columns(Opt::LISTINCLIS).size(), 11u);
    EXPECT_EQ(o.Text(Opt::SELONEFILE), "doc");
    EXPECT_EQ(o.Text(Opt::SELONEDLMN), "!");
    EXPECT_EQ(o.Text(Opt::ISELONEFIL), "noext");
    EXPECT_EQ(o.Text(Opt::SELONECHAR), "//");
}

TEST(DefaultLists, EntriesAreTrimmedAndLowered) {
    const qf::OptionMap map = qf::MapFromList({"  TXT ", "txt", "Doc"});
    EXPECT_EQ(map, (qf::OptionMap{{"doc", 0}, {"txt", 0}}));
}

TEST(OptionKeys, EveryKeyIsReachableAndUnique) {
    std::set<std::string> keys;
    std::set<int32_t> ids;
    for (const qf::OptionInfo& info : qf::AllOptions()) {
        EXPECT_TRUE(keys.insert(info.key).second) << info.key;
        EXPECT_TRUE(ids.insert(info.recordId).second) << info.recordId;
        ASSERT_TRUE(qf::OptionByKey(info.key).has_value());
        EXPECT_EQ(*qf::OptionByKey(info.key), info.option);
    }
    EXPECT_EQ(ids.size(), 221u);  // 215 of the format and six of our own
    EXPECT_FALSE(qf::OptionByKey("NOSUCHKEY").has_value());
}

TEST(OptionText, SetsEachKindAndRefusesBadValues) {
    qf::Options o;
    std::string error;
    EXPECT_TRUE(qf::SetOptionFromText(o, "WHOLEWORDS", "1", error));
    EXPECT_EQ(o.Int(Opt::WHOLEWORDS), 1);
    EXPECT_EQ(o.Int(Opt::ALLWORDPRT), 0) << "a choice member clears the rest of its group";
    EXPECT_TRUE(qf::SetOptionFromText(o, "SIZEFROMTW", "5000000000", error));
    EXPECT_EQ(o.Size(Opt::SIZEFROMTW), 5000000000LL);
    EXPECT_TRUE(qf::SetOptionFromText(o, "DIRECTORIS", "/a", error));
    EXPECT_TRUE(qf::SetOptionFromText(o, "DIRECTORIS", "/b", error));
    EXPECT_EQ(o.List(Opt::DIRECTORIS), (std::vector<std::string>{"/a", "/b"}));
    EXPECT_TRUE(qf::SetOptionFromText(o, "DIRECTORIS", "", error));
    EXPECT_TRUE(o.List(Opt::DIRECTORIS).empty());
    EXPECT_TRUE(qf::SetOptionFromText(o, "INCFILEMAP", "TXT", error));
    EXPECT_EQ(o.Map(Opt::INCFILEMAP).count("txt"), 1u);
    EXPECT_TRUE(qf::SetOptionFromText(o, "LISTINCLIS", "3", error));
    EXPECT_EQ(o.Columns(Opt::LISTINCLIS).back().sName, "Line number");
    EXPECT_TRUE(qf::SetOptionFromText(o, "CRFROMDATE", "2024-02-29 13:45", error));
    EXPECT_EQ(o.Date(Opt::CRFROMDATE).wDay, 29);
    EXPECT_EQ(o.Date(Opt::CRFROMDATE).wMinute, 45);

    EXPECT_FALSE(qf::SetOptionFromText(o, "CASESENSIT", "2", error));
    EXPECT_FALSE(qf::SetOptionFromText(o, "SEARCHMAXL", "12x", error));
    EXPECT_FALSE(qf::SetOptionFromText(o, "SEARCHMAXL", "99999999999", error));
    EXPECT_FALSE(qf::SetOptionFromText(o, "CRFROMDATE", "2023-02-29", error));
    EXPECT_FALSE(qf::SetOptionFromText(o, "LISTINCLIS", "12", error));
    EXPECT_FALSE(qf::SetOptionFromText(o, "BOGUS", "1", error));
    EXPECT_NE(error.find("BOGUS"), std::string::npos);
}

}  // namespace
