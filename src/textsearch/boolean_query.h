#pragma once
// A Boolean query as tokens: what the syntax check produces and the
// evaluation computes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace qf {

enum BoolTokenKind : int32_t {
    kTokenWord = 0,        // not yet classified
    kTokenOperator = 1,
    kTokenArgument = 3,
    kTokenLeft = 4,        // "("
    kTokenRight = 5,       // ")"
};

struct _BoolStruct {
    std::string sText;   // as written; a phrase without its marks; "TRUE"/"FALSE" for a reduced group
    std::string sShown;  // as shown: a phrase with its marks, operators in upper case
    int32_t nKind = kTokenWord;
    int32_t bValue = 0;
    bool operator==(const _BoolStruct&) const = default;
};

using BOOL_STRUCT = std::vector<_BoolStruct>;

// Where a failed check found its faults, for marking them in the editor.
struct _Bad_Adat_Struct {
    std::string sNormalForm;         // the text the positions refer to
    std::string sBadToken;           // the (first) offending token as shown
    std::vector<size_t> positions;   // start of each faulty token in sNormalForm
    std::vector<size_t> lengths;     // and its shown length
};

// The outcome of checking a Boolean query text.
struct BooleanQuery {
    BOOL_STRUCT tokens;        // the checked token list (empty until a check passes)
    std::string normalForm;    // what the editor shows after the check (empty: leave it)
    _Bad_Adat_Struct fault;    // set when a check from "operator without a point" on failed
    bool helpRequested = false;  // the user answered Yes to the syntax help offer
};

// Normal form: every token as shown, each preceded by one blank.
std::string NormalForm(const BOOL_STRUCT& tokens);

bool IsOperator(const _BoolStruct& token, const char* name);
inline bool IsNot(const _BoolStruct& token) { return IsOperator(token, ".NOT."); }

}  // namespace qf
