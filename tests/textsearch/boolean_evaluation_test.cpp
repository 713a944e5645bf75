#include <gtest/gtest.h>

#include "textsearch/boolean_evaluation.h"
#include "textsearch/boolean_syntax.h"

namespace {

qf::BooleanQuery Query(const std::string& text) {
    qf::BooleanQuery q;
    std::vector<std::string> terms;
    qf::RecordingMessages messages;
    EXPECT_EQ(qf::CheckBooleanQuery(text, "\"", q, terms, messages), 1) << text;
    return q;
}

int Value(const std::string& text, std::initializer_list<std::string> found, bool caseSensitive = false) {
    qf::MAP_HITS hits;
    for (const std::string& f : found) hits[f] = 1;
    return qf::EvaluateBoolean(Query(text), hits, caseSensitive);
}

}  // namespace

TEST(BooleanEvaluation, SixteenFunctionsFollowTheirTruthTables) {
    const std::vector<std::pair<std::string, std::array<int, 4>>> table{
        {".CONST_FALSE.", {0, 0, 0, 0}}, {".AND.", {0, 0, 0, 1}},   {".A_AND_NOT_B.", {0, 0, 1, 0}},
        {".IDENTITY_A.", {0, 0, 1, 1}},  {".NOT_A_AND_B.", {0, 1, 0, 0}}, {".IDENTITY_B.", {0, 1, 0, 1}},
        {".XOR.", {0, 1, 1, 0}},         {".OR.", {0, 1, 1, 1}},    {".NOR.", {1, 0, 0, 0}},
        {".XNOR.", {1, 0, 0, 1}},        {".NOT_B.", {1, 0, 1, 0}}, {".A_OR_NOT_B.", {1, 0, 1, 1}},
        {".NOT_A.", {1, 1, 0, 0}},       {".NOT_A_OR_B.", {1, 1, 0, 1}}, {".NAND.", {1, 1, 1, 0}},
        {".CONST_TRUE.", {1, 1, 1, 1}}};
    for (const auto& [name, values] : table) {
        const int code = qf::OperatorCode(name);
        ASSERT_GE(code, 0) << name;
        for (int row = 0; row < 4; ++row)
            EXPECT_EQ(qf::ApplyBinary(code, row / 2, row % 2), values[size_t(row)]) << name << " row " << row;
    }
    EXPECT_EQ(qf::OperatorCode(".XXXXX."), qf::kOperatorUnknown);
    EXPECT_EQ(qf::ApplyBinary(qf::kOperatorUnknown, 1, 1), 0);
}

TEST(BooleanEvaluation, WrittenOperatorsOverFoundTerms) {
    EXPECT_EQ(Value("( a .AND. b )", {"a", "b"}), 1);
    EXPECT_EQ(Value("( a .AND. b )", {"a"}), 0);
    EXPECT_EQ(Value("( a .NAND. b )", {"a"}), 1);
    EXPECT_EQ(Value("( a .NOR. b )", {}), 1);
    EXPECT_EQ(Value("( a .XNOR. b )", {"a", "b"}), 1);
    EXPECT_EQ(Value("( ( a .OR. b ) .XOR. c )", {"a", "c"}), 0);
    EXPECT_EQ(Value("( a .XXXXX. b )", {"a", "b"}), 0);
    EXPECT_EQ(Value("( a .OR. a )", {"a"}), 1);
}

TEST(BooleanEvaluation, NotNegatesTheArgumentOrGroupItPrecedes) {
    EXPECT_EQ(Value(".NOT. ( a )", {}), 1);
    EXPECT_EQ(Value(".NOT. ( a )", {"a"}), 0);
    EXPECT_EQ(Value("( .NOT. a .AND. b )", {"b"}), 1);
    EXPECT_EQ(Value("( a .AND. .NOT. b )", {"a", "b"}), 0);
    EXPECT_EQ(Value("( a .AND. .NOT. ( b .OR. c ) )", {"a"}), 1);
    EXPECT_EQ(Value(".NOT. ( ( a .OR. b ) .AND. c )", {"a", "c"}), 0);
}

TEST(BooleanEvaluation, CaseOfTheQueryTerms) {
    EXPECT_EQ(Value("( Alpha .OR. x )", {"alpha"}), 1);
    EXPECT_EQ(Value("( Alpha .OR. x )", {"alpha"}, true), 0);
    EXPECT_EQ(Value("( Alpha .OR. x )", {"Alpha"}, true), 1);
}

TEST(BooleanEvaluation, FileLineAndNegatedFirstToken) {
    const qf::BooleanQuery q = Query("( a .AND. b )");
    qf::MAP_LINES_WITH_HITS lines;
    lines[2] = {"a", {{"a", {0}}}};
    lines[70] = {"b", {{"b", {0}}}};
    EXPECT_EQ(qf::EvaluateFile(q, lines, false), 1);
    EXPECT_EQ(qf::EvaluateTerms(q, lines[2].mapTermPositions, false), 0);
    EXPECT_EQ(qf::FirstIsNot(q), 0);
    EXPECT_EQ(qf::FirstIsNot(Query(".NOT. ( a .OR. b )")), 1);
}
