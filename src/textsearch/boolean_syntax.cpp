#include "textsearch/boolean_syntax.h"

#include <array>
#include <optional>
#include <utility>

#include "platform/case_fold.h"
#include "textsearch/boolean_evaluation.h"
#include "textsearch/boolean_tokens.h"

namespace qf {
namespace {

constexpr const char* kHelpOffer = "\n\n\n\nDo you want to see the Boolean Syntax Window for syntax checking ?";

constexpr std::array<const char*, 17> kFunctionNames{
    "NOT",   "CONST_FALSE", "AND",        "A_AND_NOT_B", "IDENTITY_A", "NOT_A_AND_B",
    "IDENTITY_B", "XOR",    "OR",         "NOR",         "XNOR",       "NOT_B",
    "A_OR_NOT_B", "NOT_A",  "NOT_A_OR_B", "NAND",        "CONST_TRUE"};

// A failed check: its message and the faulty tokens of the list it looked at.
struct Fault {
    const char* caption;
    std::string text;
    BOOL_STRUCT list;
    std::vector<size_t> bad;
};
using Verdict = std::optional<Fault>;

bool IsLeft(const _BoolStruct& t) { return t.nKind == kTokenLeft; }
bool IsRight(const _BoolStruct& t) { return t.nKind == kTokenRight; }
bool IsArgument(const _BoolStruct& t) { return t.nKind == kTokenArgument; }
bool IsAnyOperator(const _BoolStruct& t) { return t.nKind == kTokenOperator; }
bool IsBinary(const _BoolStruct& t) { return IsAnyOperator(t) && !IsNot(t); }

Verdict FaultIfAny(const BOOL_STRUCT& tokens, std::vector<size_t> bad, const char* caption, std::string text) {
    if (bad.empty()) return std::nullopt;
    return Fault{caption, std::move(text), tokens, std::move(bad)};
}

bool NamesOperatorWithoutPoint(const std::string& word) {
    const std::string upper = CharUpperA(word);
    for (const char* name : kFunctionNames) {
        const std::string n(name);
        if (upper.find(n + ".") != std::string::npos || upper.find("." + n) != std::string::npos) return true;
    }
    return false;
}

Verdict OperatorWithoutPoint(const BOOL_STRUCT& tokens) {
    std::vector<size_t> bad;
    for (size_t i = 0; i < tokens.size(); ++i)
        if (tokens[i].nKind == kTokenWord && NamesOperatorWithoutPoint(tokens[i].sText)) bad.push_back(i);
    return FaultIfAny(tokens, bad, "Warning !    Msg no: 0034.",
                      "Operator without a point !\n\nOperator must have a point before and after.");
}

void MakeArguments(BOOL_STRUCT& tokens) {
    for (_BoolStruct& t : tokens)
        if (t.nKind == kTokenWord) t.nKind = kTokenArgument;
}

Verdict PointsAlone(const BOOL_STRUCT& tokens) {
    std::vector<size_t> bad;
    for (size_t i = 0; i < tokens.size(); ++i)
        if (IsArgument(tokens[i]) && tokens[i].sShown == ".") bad.push_back(i);
    const std::string head = bad.size() == 1 ? "There is a point alone !!!" : "There are points alone !!!";
    return FaultIfAny(tokens, bad, "Warning !    Msg no: 0035.",
                      head + "\n\nYou can't have space(s) between operator(s) and point(s).");
}

Verdict BracketCounts(const BOOL_STRUCT& tokens) {
    size_t left = 0, right = 0;
    for (const _BoolStruct& t : tokens) {
        left += IsLeft(t);
        right += IsRight(t);
    }
    if (left == right) return std::nullopt;
    return Fault{"Warning !    Msg no: 0037.", "Number of left and right brackets aren't the same !!!", tokens, {}};
}

Verdict FirstAndLast(const BOOL_STRUCT& tokens) {
    const bool firstBad = tokens.empty() || !(IsLeft(tokens.front()) || IsNot(tokens.front()));
    const bool lastBad = tokens.empty() || !IsRight(tokens.back());
    if (!firstBad && !lastBad) return std::nullopt;
    std::vector<size_t> bad;
    if (!tokens.empty() && firstBad) bad.push_back(0);
    if (!tokens.empty() && lastBad && tokens.size() > 1) bad.push_back(tokens.size() - 1);
    if (firstBad && lastBad)
        return Fault{"Warning !    Msg no: 0040.",
                     "The first element is not a left round bracket and \n\nthe last element is not a right round "
                     "bracket !!!",
                     tokens, bad};
    if (firstBad)
        return Fault{"Warning !    Msg no: 0038.", "The first element is not a left round bracket or .NOT.!!!", tokens,
                     bad};
    return Fault{"Warning !    Msg no: 0039.", "The last element is not a right round bracket !!!", tokens, bad};
}

// ( a ) .OR. ( b ) is taken as ( ( a ) .OR. ( b ) ).
void AddOuterBrackets(BOOL_STRUCT& tokens) {
    int depth = 0;
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (IsLeft(tokens[i])) ++depth;
        if (!IsRight(tokens[i])) continue;
        --depth;
        if (depth == 0 && i + 1 < tokens.size()) {
            _BoolStruct left;
            left.sText = left.sShown = "(";
            left.nKind = kTokenLeft;
            _BoolStruct right = left;
            right.sText = right.sShown = ")";
            right.nKind = kTokenRight;
            tokens.insert(tokens.begin(), left);
            tokens.push_back(right);
            return;
        }
    }
}

Verdict NotPreceded(const BOOL_STRUCT& tokens) {
    std::vector<size_t> bad;
    for (size_t i = 1; i < tokens.size(); ++i)
        if (IsNot(tokens[i]) && !IsAnyOperator(tokens[i - 1]) && !IsLeft(tokens[i - 1])) bad.push_back(i);
    return FaultIfAny(tokens, bad, "Error !    Msg no: 0079.", " Operator .NOT. must preceded by ( or by operator !");
}

// Every token of one sort must be followed by a token that follower accepts.
template <typename Subject, typename Follower>
Verdict FollowedBy(const BOOL_STRUCT& tokens, Subject subject, Follower follower, const char* caption,
                   const char* text) {
    std::vector<size_t> bad;
    for (size_t i = 0; i + 1 < tokens.size(); ++i)
        if (subject(tokens[i]) && !follower(tokens[i + 1])) bad.push_back(i + 1);
    return FaultIfAny(tokens, bad, caption, text);
}

Verdict Neighbours(const BOOL_STRUCT& t) {
    if (Verdict v = NotPreceded(t)) return v;
    if (Verdict v = FollowedBy(t, IsNot, [](auto& n) { return IsLeft(n) || IsArgument(n); },
                               "Error !    Msg no: 0041.", "Operator .NOT. must followed by ( or expression !"))
        return v;
    if (Verdict v = FollowedBy(t, IsLeft, [](auto& n) { return IsLeft(n) || IsArgument(n) || IsNot(n); },
                               "Error !    Msg no: 0042.", "Left bracket must followed by ( or by expression !"))
        return v;
    if (Verdict v = FollowedBy(t, IsRight, [](auto& n) { return IsRight(n) || IsAnyOperator(n); },
                               "Error !    Msg no: 0043.", "Right bracket must followed by ) or by operator !"))
        return v;
    if (Verdict v = FollowedBy(t, IsArgument, [](auto& n) { return IsRight(n) || IsAnyOperator(n); },
                               "Error !    Msg no: 0044.",
                               "Expression must followed by ) or by operator (excluding .NOT.) !"))
        return v;
    return FollowedBy(t, IsBinary, [](auto& n) { return IsLeft(n) || IsArgument(n) || IsNot(n); },
                      "Error !    Msg no: 0045.", "Operator must followed by ( or by expression or by .NOT. !");
}

// The tokens of the checked list that each token of a reduced list stands for.
using Spans = std::vector<std::pair<size_t, size_t>>;

// A group fault marks the group's tokens in the checked list, the text the
// editor shows, not in the reduced list the user never sees after the message.
Fault GroupFault(const BOOL_STRUCT& checked, const Spans& spans, size_t left, size_t right, bool single) {
    std::vector<size_t> bad;
    for (size_t i = spans[left].first; i <= spans[right].second; ++i) bad.push_back(i);
    if (single)
        return Fault{"Error !    Msg no: 0046.",
                     "There must be operator .NOT. before left brackets \nif there is one expression between brackets!",
                     checked, bad};
    return Fault{"Error !    Msg no: 0047.",
                 "There are two or more operators (excluding .NOT.) and/or \n\nthree or more arguments between left "
                 "and right round brackets !",
                 checked, bad};
}

Fault ExtraBracketsFault(const BOOL_STRUCT& work) {
    return Fault{"Error !    Msg no: 0201.",
                 "You must put an extra left round bracket as the first element \n\n(If you negate the whole "
                 "expression, you must put first \n\noperator .NOT. then the left round bracket) and \n\nan extra "
                 "right round bracket as the last element!\n\nThese brackets are used for the last step in the "
                 "program!",
                 work, {}};
}

// Reduces one innermost group as the evaluation does, every argument true.
Verdict ReduceGroup(const BOOL_STRUCT& checked, BOOL_STRUCT& work, Spans& spans, size_t right) {
    size_t left = right;
    while (left > 0 && !IsLeft(work[left])) --left;
    if (!IsLeft(work[left])) return ExtraBracketsFault(checked);
    std::vector<int> args;
    std::vector<int> ops;
    for (size_t i = left; i < right; ++i) {
        if (IsArgument(work[i])) args.push_back(work[i].bValue);
        if (IsAnyOperator(work[i])) ops.push_back(OperatorCode(work[i].sText));
    }
    const bool negated = left > 0 && IsNot(work[left - 1]);
    if (args.size() == 1 && !negated) return GroupFault(checked, spans, left, right, true);
    if (args.size() >= 3) return GroupFault(checked, spans, left, right, false);
    int value = GroupValue(args, ops);
    const size_t begin = negated ? left - 1 : left;
    if (negated) value = !value;
    _BoolStruct result;
    result.sText = value ? "TRUE" : "FALSE";
    result.sShown = value ? "Temporary Result" : "Temporary Result.";
    result.nKind = kTokenArgument;
    result.bValue = value;
    work[begin] = result;
    spans[begin].second = spans[right].second;
    work.erase(work.begin() + long(begin) + 1, work.begin() + long(right) + 1);
    spans.erase(spans.begin() + long(begin) + 1, spans.begin() + long(right) + 1);
    return std::nullopt;
}

Verdict TestReduction(const BOOL_STRUCT& checked) {
    BOOL_STRUCT work = checked;
    Spans spans;
    for (size_t i = 0; i < work.size(); ++i) spans.emplace_back(i, i);
    for (_BoolStruct& t : work)
        if (IsArgument(t)) t.bValue = 1;
    for (;;) {
        size_t right = 0;
        while (right < work.size() && !IsRight(work[right])) ++right;
        if (right == work.size()) break;
        if (Verdict v = ReduceGroup(checked, work, spans, right)) return v;
    }
    for (const _BoolStruct& t : work)
        if (IsLeft(t)) return ExtraBracketsFault(checked);
    if (work.size() >= 3) return ExtraBracketsFault(checked);
    return std::nullopt;
}

// Checks 4 to 17 on the tokens; the tokens come out as the search uses them.
Verdict CheckTokens(BOOL_STRUCT& tokens) {
    if (Verdict v = OperatorWithoutPoint(tokens)) return v;
    MakeArguments(tokens);
    if (Verdict v = PointsAlone(tokens)) return v;
    if (Verdict v = BracketCounts(tokens)) return v;
    if (Verdict v = FirstAndLast(tokens)) return v;
    AddOuterBrackets(tokens);
    if (Verdict v = Neighbours(tokens)) return v;
    return TestReduction(tokens);
}

_Bad_Adat_Struct FaultRecord(const Fault& fault) {
    _Bad_Adat_Struct bad;
    bad.sNormalForm = NormalForm(fault.list);
    std::vector<size_t> starts;
    size_t at = 0;
    for (const _BoolStruct& t : fault.list) {
        starts.push_back(at + 1);
        at += 1 + t.sShown.size();
    }
    for (size_t i : fault.bad) {
        if (bad.positions.empty()) bad.sBadToken = fault.list[i].sShown;
        bad.positions.push_back(starts[i]);
        bad.lengths.push_back(fault.list[i].sShown.size());
    }
    return bad;
}

int Refuse(const char* caption, const std::string& text, bool offerHelp, BooleanQuery& query,
           UserMessages& messages) {
    Message m = WarningMessage(caption, text);
    if (offerHelp) {
        m.text += kHelpOffer;
        m.icon = MsgIcon::Question;
        m.buttons = MsgButtons::YesNo;
        m.defaultAnswer = MsgAnswer::No;
    }
    query.helpRequested = messages.Show(m) == MsgAnswer::Yes && offerHelp;
    return 0;
}

}  // namespace

int CheckBooleanQuery(std::string_view text, std::string_view mark, BooleanQuery& query,
                      std::vector<std::string>& terms, UserMessages& messages) {
    query.normalForm.clear();
    query.fault = {};
    query.helpRequested = false;
    if (text.find_first_not_of(" \t\r\n\v\f") == std::string_view::npos)
        return Refuse("Warning !    Msg no: 0145.", "Text field is empty !!!", false, query, messages);
    const size_t marks = PhraseMarkPositions(text, mark).size();
    if (marks % 2 != 0)
        return Refuse("Warning !    Msg no: 0033.",
                      "Odd summary of marks(separators): " + std::to_string(marks) +
                          "!\n\n Action: Summary of marks(separators) must be even.",
                      true, query, messages);
    if (HasEmptyPhrase(text, mark))
        return Refuse("Warning !    Msg no: 0146",
                      "Empty element in search terms array !!!\n\nNothing between two marks(separators).", true, query,
                      messages);

    BOOL_STRUCT tokens = TokenizeBooleanQuery(text, mark);
    if (Verdict fault = CheckTokens(tokens)) {
        query.fault = FaultRecord(*fault);
        // The editor shows the query as checked; the marks refer to that text.
        query.normalForm = NormalForm(tokens);
        return Refuse(fault->caption, fault->text, true, query, messages);
    }
    query.tokens = tokens;
    query.normalForm = NormalForm(tokens);
    for (const _BoolStruct& t : tokens)
        if (IsArgument(t)) terms.push_back(t.sText);
    return 1;
}

}  // namespace qf
