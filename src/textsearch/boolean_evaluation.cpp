#include "textsearch/boolean_evaluation.h"

#include <array>
#include <cstdint>

#include "platform/case_folding.h"

namespace qf {
namespace {

struct FunctionRow {
    const char* name;
    std::array<int, 4> values;  // for A B = 0 0, 0 1, 1 0, 1 1
};

constexpr std::array<FunctionRow, 16> kFunctions{{
    {".CONST_FALSE.", {0, 0, 0, 0}}, {".AND.", {0, 0, 0, 1}},
    {".A_AND_NOT_B.", {0, 0, 1, 0}}, {".IDENTITY_A.", {0, 0, 1, 1}},
    {".NOT_A_AND_B.", {0, 1, 0, 0}}, {".IDENTITY_B.", {0, 1, 0, 1}},
    {".XOR.", {0, 1, 1, 0}},         {".OR.", {0, 1, 1, 1}},
    {".NOR.", {1, 0, 0, 0}},         {".XNOR.", {1, 0, 0, 1}},
    {".NOT_B.", {1, 0, 1, 0}},       {".A_OR_NOT_B.", {1, 0, 1, 1}},
    {".NOT_A.", {1, 1, 0, 0}},       {".NOT_A_OR_B.", {1, 1, 0, 1}},
    {".NAND.", {1, 1, 1, 0}},        {".CONST_TRUE.", {1, 1, 1, 1}},
}};

// A token reduced to what the evaluation needs; no strings per call.
struct Node {
    int8_t kind;
    int8_t value;
    int8_t op;
};

template <typename Map>
std::vector<Node> MakeNodes(const BOOL_STRUCT& tokens, const Map& found, bool caseSensitive) {
    std::vector<Node> nodes;
    nodes.reserve(tokens.size());
    for (const _BoolStruct& t : tokens) {
        Node n{int8_t(t.nKind), int8_t(t.bValue), 0};
        if (t.nKind == kTokenArgument)
            n.value = int8_t(found.count(ComparisonText(t.sText, caseSensitive)) > 0);
        else if (t.nKind == kTokenOperator)
            n.op = int8_t(OperatorCode(t.sText));
        nodes.push_back(n);
    }
    return nodes;
}

// Replaces the innermost groups, first from the left, by their values.
int Reduce(std::vector<Node>& nodes) {
    std::vector<int> args;
    std::vector<int> ops;
    for (;;) {
        size_t right = 0;
        while (right < nodes.size() && nodes[right].kind != kTokenRight) ++right;
        if (right == nodes.size()) break;
        size_t left = right;
        while (left > 0 && nodes[left].kind != kTokenLeft) --left;
        args.clear();
        ops.clear();
        for (size_t i = left; i < right; ++i) {
            if (nodes[i].kind == kTokenArgument) args.push_back(nodes[i].value);
            if (nodes[i].kind == kTokenOperator) ops.push_back(nodes[i].op);
        }
        int value = GroupValue(args, ops);
        size_t begin = left;
        if (left > 0 && nodes[left - 1].kind == kTokenOperator && nodes[left - 1].op == kOperatorNot) {
            value = !value;
            begin = left - 1;
        }
        nodes[begin] = Node{int8_t(kTokenArgument), int8_t(value), 0};
        nodes.erase(nodes.begin() + long(begin) + 1, nodes.begin() + long(right) + 1);
    }
    return nodes.empty() ? 0 : nodes.front().value;
}

template <typename Map>
int Evaluate(const BooleanQuery& query, const Map& found, bool caseSensitive) {
    std::vector<Node> nodes = MakeNodes(query.tokens, found, caseSensitive);
    return Reduce(nodes);
}

}  // namespace

int OperatorCode(std::string_view name) {
    if (name == ".NOT.") return kOperatorNot;
    for (size_t i = 0; i < kFunctions.size(); ++i)
        if (name == kFunctions[i].name) return int(i);
    return kOperatorUnknown;
}

int ApplyBinary(int code, int a, int b) {
    if (code < 0 || code >= int(kFunctions.size())) return 0;
    return kFunctions[size_t(code)].values[size_t((a ? 2 : 0) + (b ? 1 : 0))];
}

int GroupValue(const std::vector<int>& args, const std::vector<int>& operators) {
    if (args.size() == 1) {
        int v = args[0];
        for (int op : operators)
            if (op == kOperatorNot) v = !v;
        return v;
    }
    if (args.size() != 2) return 0;  // the syntax check lets no other group through
    int a = args[0];
    int b = args[1];
    int binary = -2;  // not met yet
    for (int op : operators) {
        if (op == kOperatorNot) {
            if (binary == -2)
                a = !a;
            else
                b = !b;
        } else if (binary == -2) {
            binary = op;
        }
    }
    return binary == -2 ? 0 : ApplyBinary(binary, a, b);
}

int EvaluateBoolean(const BooleanQuery& query, const MAP_HITS& found, bool caseSensitive) {
    return Evaluate(query, found, caseSensitive);
}

int EvaluateFile(const BooleanQuery& query, const MAP_LINES_WITH_HITS& lines, bool caseSensitive) {
    return EvaluateBoolean(query, CountHits(lines), caseSensitive);
}

int EvaluateTerms(const BooleanQuery& query, const MAP_TERM_POSITIONS& terms, bool caseSensitive) {
    return Evaluate(query, terms, caseSensitive);
}

int FirstIsNot(const BooleanQuery& query) { return !query.tokens.empty() && IsNot(query.tokens.front()) ? 1 : 0; }

}  // namespace qf
